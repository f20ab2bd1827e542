# The shipped networks, opened from the program's folder as the program opens them.
if(TARGET tunnex_cities AND TARGET tunnex_modules)
  add_executable(tunnex_network_tests station_names_test.cpp
    shipped_city.cpp network_expectations.cpp networks_test.cpp)
  target_link_libraries(tunnex_network_tests PRIVATE tunnex_modules GTest::gtest_main)
  target_compile_definitions(tunnex_network_tests PRIVATE TUNNEX_PROGRAM_DIR="${TUNNEX_OUTPUT_DIR}"
    TUNNEX_NETWORKS_DIR="${CMAKE_CURRENT_SOURCE_DIR}/networks")
  add_dependencies(tunnex_network_tests tunnex_cities)
  gtest_discover_tests(tunnex_network_tests DISCOVERY_TIMEOUT 30)
endif()
