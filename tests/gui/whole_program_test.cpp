// The desktop program as a whole on a real X display: its real loop, the web
// through libcurl to a METAR service on 127.0.0.1, the WAVE output, and the
// LOCUTAR button pressed with the mouse.

#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <fstream>

#include "gui/desktop_program.h"
#include "gui/qt_event_loop.h"
#include "platform/http_fetch.h"
#include "platform/listing_serial_line.h"
#include "platform/wave_file_sink.h"
#include "support/http_test_server.h"
#include "support/temp_dir.h"
#include "support/trace_recorder.h"

namespace skycrier {
namespace {

TEST(WholeProgram, AMetarAddressOnTheLocalMachineIsFetchedAndLocutarSpeaksIt) {
    const std::string path = "/api/data/metar?ids=LEMD&format=raw";
    test::HttpTestServer server(std::map<std::string, std::optional<std::string>>{
        {path, test::httpAnswer(200, "LEMD 071200Z 24012KT 9999 FEW030 14/09 Q1009\n")}});
    test::TempDir dir;
    std::ofstream(dir.path() / "skycrier.ini", std::ios::binary)
        << "[SKYCRIER V2.2.2]\r\nMETEO=METAR\r\nMETAR_TEMPEXT=Y\r\nMETAR_PRESATM=Y\r\nMETAR_VITVENT=Y\r\n"
        << "METAR_DAT=" << server.url(path) << " //Madrid\r\nREDUCE=N\r\n";

    gui::QtEventLoop loop;
    WaveFileSink out(loop);
    ListingSerialLine serial;
    CurlFetcher web(loop);
    AnnouncerParts parts{loop, out, serial, dir.path(), {}};
    parts.fetcher = &web;
    gui::DesktopProgram program({parts, {}, gui::Desktop::toStream(std::cerr)});
    test::TraceRecorder trace(program.program.announcer().bulletinEvents());
    const MeteoData& metar = program.program.announcer().sources().metarSource.meteo();
    program.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.program.started() && metar.Input == "metar_web.txt"; }, 20'000))
        << metar.ErrorText;

    auto* locutar = program.mainWindow.findChild<QPushButton*>("Button1");
    ASSERT_TRUE(locutar);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program.mainWindow));
    QTest::mouseClick(locutar, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return trace.finished(); }, 120'000));

    std::string spoken;
    for (const std::string& line : trace.lines) spoken += line + "\n";
    for (const char* words : {"play son_ext_temp\nplay son14\nplay son_degrees\n",
                              "play son_pressure\nplay son1000\nplay son9\nplay son_millibars\n",
                              "play son_wind\nplay son22\nplay son_kmh\n"})
        EXPECT_NE(spoken.find(words), std::string::npos) << words << "\nin:\n" << spoken;
    EXPECT_EQ(trace.lines.back(), "done");
    EXPECT_GT(out.sampleCount(), 24'000u * 5) << "several seconds of speech";
    program.close();
}

}  // namespace
}  // namespace skycrier
