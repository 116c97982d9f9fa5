#include "base/text_catalogue.h"

#include <gtest/gtest.h>

namespace skycrier {
namespace {

const char* const kCatalogue = R"(<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>SkyCrier</name>
    <message><source>Archivo</source><translation>File</translation></message>
    <message><source>Esperar</source><translation>Wait</translation></message>
    <message><source>Ráfaga</source><translation>Gust</translation></message>
    <message><source>CTS</source><translation>CTS</translation></message>
    <message><source>Off</source><translation>off</translation></message>
    <message><source>Tendencia</source><translation>Trend</translation></message>
    <message><source>creciente</source><translation>rising</translation></message>
    <message><source>Fehler: COM-Port</source><translation>Error: serial port</translation></message>
    <message><source>kept as configured</source><translation>kept as configured</translation></message>
    <message><source>line</source><translation>línea</translation></message>
    <message><source>unknown key</source><translation>clave desconocida</translation></message>
    <message><source>no &quot;=&quot; &amp; no &lt;key&gt;</source><translation>sin &quot;=&quot;</translation></message>
    <message><source>Sin WX</source><translation type="unfinished"></translation></message>
</context>
</TS>
)";

// A shown text as the catalogue's language shows it, and the parts of words no entry translates.
TEST(TextCatalogue, TextsAreTranslatedWholeByLabelOrPartByPartAndWhatIsMissedIsNamed) {
    const TextCatalogue catalogue = TextCatalogue::fromLinguistFile(kCatalogue);
    const CatalogueLookup lookup = [&catalogue](const std::string& source) { return catalogue.entry(source); };
    const struct {
        const char* shown;
        const char* translated;
        std::vector<std::string> missed;
    } cases[] = {
        {"Archivo", "File", {}},
        {" Esperar ", " Wait ", {}},
        {"Ráfaga (km/h) = 14", "Gust (km/h) = 14", {}},
        {"CTS=Off", "CTS=off", {}},
        {"Tendencia: creciente", "Trend: rising", {}},
        {"Fehler: COM-Port (COM9: not a serial port name): kept as configured",
         "Error: serial port (COM9: not a serial port name): kept as configured", {"not a serial port name)"}},
        {"/tmp/x/skycrier.ini: line 10: unknown key: TRES=Y", "/tmp/x/skycrier.ini: línea 10: clave desconocida: TRES=Y",
         {}},
        {"Fehler: COM-Port\nArchivo", "Error: serial port\nFile", {}},
        {"no \"=\" & no <key>", "sin \"=\"", {}},
        // No entry: kept as it stands, and named unless it is a path, a value or a quoted line.
        {"Quitter", "Quitter", {"Quitter"}},
        {"Sin WX", "Sin WX", {"Sin WX"}},
        {"/dev/ttyUSB0", "/dev/ttyUSB0", {}},
        {"12.5 hPa", "12.5 hPa", {"12.5 hPa"}},
        {"-- 12:00 --", "-- 12:00 --", {}},
        {"[SKYCRIER V2.2.2]", "[SKYCRIER V2.2.2]", {}},
    };
    for (const auto& c : cases) {
        std::vector<std::string> missed;
        EXPECT_EQ(translateText(c.shown, lookup, &missed), c.translated) << c.shown;
        EXPECT_EQ(missed, c.missed) << c.shown;
    }
}

}  // namespace
}  // namespace skycrier
