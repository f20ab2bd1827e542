// Every network with an expectations file in tests/city/networks/ holds what the file
// says, and every shipped network keeps the rules all of them keep: rides follow their
// lines, every open station reaches every other, and the first listed route is the
// network's shortest.
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/module_catalog.h"
#include "tests/city/network_expectations.h"

namespace tnx::shipped {
namespace {

std::string TestName(const ::testing::TestParamInfo<std::string>& info) { return info.param; }

std::vector<std::string> ExpectedNetworks() {
    std::vector<std::string> names;
    for (const auto& file : NetworkExpectationFiles()) names.push_back(file.stem().string());
    return names;
}

std::vector<std::string> ShippedModules() {
    std::vector<std::string> names;
    for (const TCatalogEntry& entry : ScanCityModules(TUNNEX_PROGRAM_DIR))
        names.push_back(std::filesystem::path(entry.FileName).stem().string());
    return names;
}

class Network : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        city_ = LoadShippedCity(GetParam());
        ASSERT_TRUE(city_->error.empty()) << city_->error;
    }
    std::unique_ptr<ShippedCity> city_;
};

class ExpectedNetwork : public Network {};

TEST_P(ExpectedNetwork, HoldsWhatItsExpectationsSay) {
    const NetworkExpectations expected =
        ReadNetworkExpectations(std::filesystem::path(TUNNEX_NETWORKS_DIR) / (GetParam() + ".txt"));
    EXPECT_EQ(expected.module, GetParam());
    for (const std::string& unmet : UnmetExpectations(*city_, expected)) ADD_FAILURE() << unmet;
    for (const std::string& problem : NetworkProblems(city_->City())) ADD_FAILURE() << problem;
    for (const std::string& wrong : WrongRides(city_->City())) ADD_FAILURE() << wrong;
    for (const std::string& pair : PairsWithoutRoute(*city_, 5)) ADD_FAILURE() << pair;
}

TEST_P(Network, ListsTheShortestTimeFirstForEveryPair) {
    for (const std::string& pair : PairsNotShortestFirst(*city_, 5)) ADD_FAILURE() << pair;
}

TEST_P(Network, RingLinesRunOnTheDrawnEllipse) {
    for (const std::string& problem : RingProblems(city_->City())) ADD_FAILURE() << problem;
}

INSTANTIATE_TEST_SUITE_P(Cities, ExpectedNetwork, ::testing::ValuesIn(ExpectedNetworks()), TestName);
INSTANTIATE_TEST_SUITE_P(Shipped, Network, ::testing::ValuesIn(ShippedModules()), TestName);

TEST(Networks, EveryShippedModuleHasItsTest) {
    const std::vector<std::string> expected = ExpectedNetworks();
    for (const std::string& module : ShippedModules())
        EXPECT_NE(std::find(expected.begin(), expected.end(), module), expected.end())
            << module << ".tnd has no expectations file";
    for (const std::string& network : expected) {
        const std::vector<std::string> modules = ShippedModules();
        EXPECT_NE(std::find(modules.begin(), modules.end(), network), modules.end()) << network << " is not shipped";
    }
}

}  // namespace
}  // namespace tnx::shipped
