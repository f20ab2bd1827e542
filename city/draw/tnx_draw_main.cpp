// tnx-draw CITY_FOLDER OUT_DIR: renders every picture of a city module as
// device-independent bitmaps named NAME.dib.
#include <QGuiApplication>
#include <cstdio>
#include <exception>
#include <filesystem>

#include "city/draw/atomic_files.h"
#include "city/draw/city_pictures.h"
#include "city/draw/drawing_warnings.h"
#include "city/draw/scheme_layout.h"
#include "city/source/city_source.h"

namespace {

// Qt's own warnings (a missing runtime folder and the like on build machines)
// say nothing about the city; only its errors are worth a line.
void ReportQtErrors(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) {
        std::fprintf(stderr, "tnx-draw: %s\n", message.toLocal8Bit().constData());
    }
}

int Fail(const std::string& message) {
    std::fprintf(stderr, "tnx-draw: %s\n", message.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tnx-draw CITY_FOLDER OUT_DIR\n");
        return 2;
    }
    // Drawing needs fonts but no screen; this runs in headless builds.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(ReportQtErrors);
    QGuiApplication app(argc, argv);

    const tnx::city::ParseResult parsed = tnx::city::ParseCityFolder(argv[1]);
    if (!parsed.city) {
        return Fail(parsed.error);
    }
    try {
        namespace draw = tnx::city::draw;
        const std::vector<draw::NamedPicture> pictures = draw::RenderCityPictures(*parsed.city);
        const draw::SchemeLayout layout = draw::LayOutScheme(*parsed.city);
        for (const std::string& warning : draw::FindDrawingWarnings(layout)) {
            std::fprintf(stderr, "tnx-draw: warning: %s: %s\n", parsed.city->folder.c_str(), warning.c_str());
        }

        std::vector<draw::OutputFile> files;
        for (const draw::NamedPicture& picture : pictures) {
            files.push_back({picture.name + ".dib", draw::EncodeDib(picture.image)});
        }
        const std::filesystem::path outDir = argv[2];
        std::filesystem::create_directories(outDir);
        draw::WriteFilesAtomically(outDir, files);
    } catch (const std::exception& error) {
        return Fail(error.what());
    }
    return 0;
}
