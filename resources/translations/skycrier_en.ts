<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es_ES">
<context>
    <name>SkyCrier</name>
    <message>
        <source>/dev/ttyUSB0 or host:port</source>
        <translation>/dev/ttyUSB0 or host:port</translation>
    </message>
    <message>
        <source>0.01*inHg</source>
        <translation>0.01*inHg</translation>
    </message>
    <message>
        <source>0.1*mB/h</source>
        <translation>0.1*mB/h</translation>
    </message>
    <message>
        <source>16 direcciones</source>
        <translation>16 points</translation>
    </message>
    <message>
        <source>8 direcciones</source>
        <translation>8 points</translation>
    </message>
    <message>
        <source>APRS, from</source>
        <translation>APRS, from</translation>
    </message>
    <message>
        <source>Absoluta</source>
        <translation>Absolute</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>Announce now</source>
        <translation>Announce now</translation>
    </message>
    <message>
        <source>Anuncio del WX</source>
        <translation>WX bulletin</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Archivo .wlk</source>
        <translation>.wlk file</translation>
    </message>
    <message>
        <source>Archivo history.dat</source>
        <translation>history.dat file</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Bitte die URL überprüfen oder aprs.fi anzumelden, dann aktualisieren</source>
        <translation>Check the URL or log in to aprs.fi, then refresh</translation>
    </message>
    <message>
        <source>Busque siempre el archivo del mes actual</source>
        <translation>Always look for the current month's file</translation>
    </message>
    <message>
        <source>Busy line</source>
        <translation>Busy line</translation>
    </message>
    <message>
        <source>CM108 sound card GPIO</source>
        <translation>CM108 sound card GPIO</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>CTS</source>
        <translation>CTS</translation>
    </message>
    <message>
        <source>CTS (pin 8)</source>
        <translation>CTS (pin 8)</translation>
    </message>
    <message>
        <source>Cada</source>
        <translation>Every</translation>
    </message>
    <message>
        <source>Camino de Tapewell</source>
        <translation>Recorder program path</translation>
    </message>
    <message>
        <source>Click for info</source>
        <translation>Click for info</translation>
    </message>
    <message>
        <source>Cliquer pour changer le port</source>
        <translation>Click to change the port</translation>
    </message>
    <message>
        <source>Compruebe si hay una nueva versión al iniciar</source>
        <translation>Check for a new version at start</translation>
    </message>
    <message>
        <source>Contenido del anuncio</source>
        <translation>Bulletin content</translation>
    </message>
    <message>
        <source>Control PTT (Alto)</source>
        <translation>PTT control (high)</translation>
    </message>
    <message>
        <source>Corrección</source>
        <translation>Correction</translation>
    </message>
    <message>
        <source>Corrección de presión</source>
        <translation>Pressure correction</translation>
    </message>
    <message>
        <source>Código OACI (EDDF), dirección o archivo</source>
        <translation>ICAO code (EDDF), address or file</translation>
    </message>
    <message>
        <source>Código aeropuerto</source>
        <translation>Airport code</translation>
    </message>
    <message>
        <source>Código aeropuerto=</source>
        <translation>Airport code=</translation>
    </message>
    <message>
        <source>DCD</source>
        <translation>DCD</translation>
    </message>
    <message>
        <source>DCD (pin 1)</source>
        <translation>DCD (pin 1)</translation>
    </message>
    <message>
        <source>DIE SOUND-KARTE ÄNDERN</source>
        <translation>CHANGE THE SOUND OUTPUT</translation>
    </message>
    <message>
        <source>DLL-Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>DSR</source>
        <translation>DSR</translation>
    </message>
    <message>
        <source>DSR (pin 6)</source>
        <translation>DSR (pin 6)</translation>
    </message>
    <message>
        <source>DTR (pin 4)</source>
        <translation>DTR (pin 4)</translation>
    </message>
    <message>
        <source>Davis Monitor II</source>
        <translation>Davis Monitor II</translation>
    </message>
    <message>
        <source>Davis Vantage Pro2</source>
        <translation>Davis Vantage Pro2</translation>
    </message>
    <message>
        <source>Davis Weather Monitor II</source>
        <translation>Davis Weather Monitor II</translation>
    </message>
    <message>
        <source>Descargar</source>
        <translation>Downloading</translation>
    </message>
    <message>
        <source>Descargar ...</source>
        <translation>Downloading ...</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>ENTETE=Y plays FICHIER_ENTETE</source>
        <translation>ENTETE=Y plays FICHIER_ENTETE</translation>
    </message>
    <message>
        <source>ENTETE=Y plays FICHIER_ENTETE=, which is not there</source>
        <translation>ENTETE=Y plays FICHIER_ENTETE=, which is not there</translation>
    </message>
    <message>
        <source>Ejecuta al inicio de Windows</source>
        <translation>Start with the session</translation>
    </message>
    <message>
        <source>El navegador no puede arrancar aquí</source>
        <translation>The browser cannot start here</translation>
    </message>
    <message>
        <source>El proceso de la página ha sido detenido</source>
        <translation>The page's process was killed</translation>
    </message>
    <message>
        <source>El proceso de la página ha terminado con un error</source>
        <translation>The page's process ended with an error</translation>
    </message>
    <message>
        <source>El proceso de la página se ha caído</source>
        <translation>The page's process crashed</translation>
    </message>
    <message>
        <source>Elija puerto COM y señales activas</source>
        <translation>Choose the serial port and active lines</translation>
    </message>
    <message>
        <source>Encabezado</source>
        <translation>Header</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Err: Chunk Res wave</source>
        <translation>Err: built-in sound chunk</translation>
    </message>
    <message>
        <source>Err: Header wave file</source>
        <translation>Err: sound file header</translation>
    </message>
    <message>
        <source>Err: Not enough memory</source>
        <translation>Err: Not enough memory</translation>
    </message>
    <message>
        <source>Err: Opening sound card</source>
        <translation>Err: opening the sound output</translation>
    </message>
    <message>
        <source>Err: PTT CM108</source>
        <translation>Err: PTT CM108</translation>
    </message>
    <message>
        <source>Err: PTT GPIO</source>
        <translation>Err: PTT GPIO</translation>
    </message>
    <message>
        <source>Err: PTT HAMLIB</source>
        <translation>Err: PTT HAMLIB</translation>
    </message>
    <message>
        <source>Err: PrepareHeader1</source>
        <translation>Err: preparing sound (1)</translation>
    </message>
    <message>
        <source>Err: PrepareHeader2</source>
        <translation>Err: preparing sound (2)</translation>
    </message>
    <message>
        <source>Err: Prepareheader1</source>
        <translation>Err: preparing sound (1)</translation>
    </message>
    <message>
        <source>Err: Prepareheader2</source>
        <translation>Err: preparing sound (2)</translation>
    </message>
    <message>
        <source>Err: Reading Res wave</source>
        <translation>Err: reading built-in sound</translation>
    </message>
    <message>
        <source>Err: Reading wave file</source>
        <translation>Err: reading sound file</translation>
    </message>
    <message>
        <source>Err: Reading(2) Res wave</source>
        <translation>Err: reading(2) built-in sound</translation>
    </message>
    <message>
        <source>Err: Reading(2) wave file</source>
        <translation>Err: reading(2) sound file</translation>
    </message>
    <message>
        <source>Err: Reading(3) Res wave</source>
        <translation>Err: reading(3) built-in sound</translation>
    </message>
    <message>
        <source>Err: Reading(3) wave file</source>
        <translation>Err: reading(3) sound file</translation>
    </message>
    <message>
        <source>Err: Res Wave</source>
        <translation>Err: built-in sound</translation>
    </message>
    <message>
        <source>Err: Res none PCM</source>
        <translation>Err: built-in sound not PCM</translation>
    </message>
    <message>
        <source>Err: Res none mono/stereo</source>
        <translation>Err: built-in sound neither mono nor stereo</translation>
    </message>
    <message>
        <source>Err: Res wave data</source>
        <translation>Err: built-in sound data</translation>
    </message>
    <message>
        <source>Err: Res wave format</source>
        <translation>Err: built-in sound format</translation>
    </message>
    <message>
        <source>Err: Res wave header</source>
        <translation>Err: built-in sound header</translation>
    </message>
    <message>
        <source>Err: SkyCrier closing</source>
        <translation>Err: SkyCrier closing</translation>
    </message>
    <message>
        <source>Err: Wave file</source>
        <translation>Err: sound file</translation>
    </message>
    <message>
        <source>Err: Wave file data</source>
        <translation>Err: sound file data</translation>
    </message>
    <message>
        <source>Err: Wave file format</source>
        <translation>Err: sound file format</translation>
    </message>
    <message>
        <source>Err: Wave file name</source>
        <translation>Err: sound file name</translation>
    </message>
    <message>
        <source>Err: WaveOutOpen</source>
        <translation>Err: opening the sound output</translation>
    </message>
    <message>
        <source>Err: WaveOutWrite1</source>
        <translation>Err: writing sound (1)</translation>
    </message>
    <message>
        <source>Err: WaveOutWrite2</source>
        <translation>Err: writing sound (2)</translation>
    </message>
    <message>
        <source>Err: chunk wave file</source>
        <translation>Err: sound file chunk</translation>
    </message>
    <message>
        <source>Err: chunk2 Res wave</source>
        <translation>Err: built-in sound chunk (2)</translation>
    </message>
    <message>
        <source>Err: chunk2 wave file</source>
        <translation>Err: sound file chunk (2)</translation>
    </message>
    <message>
        <source>Err: key CM108</source>
        <translation>Err: key CM108</translation>
    </message>
    <message>
        <source>Err: key DTR</source>
        <translation>Err: key DTR</translation>
    </message>
    <message>
        <source>Err: key GPIO</source>
        <translation>Err: key GPIO</translation>
    </message>
    <message>
        <source>Err: key HAMLIB</source>
        <translation>Err: key HAMLIB</translation>
    </message>
    <message>
        <source>Err: key RTS</source>
        <translation>Err: key RTS</translation>
    </message>
    <message>
        <source>Err: none PCM file</source>
        <translation>Err: sound file not PCM</translation>
    </message>
    <message>
        <source>Err: none mono/stereo file</source>
        <translation>Err: sound file neither mono nor stereo</translation>
    </message>
    <message>
        <source>Err: transmit time-out</source>
        <translation>Err: transmit time-out</translation>
    </message>
    <message>
        <source>Err: unkey CM108</source>
        <translation>Err: unkey CM108</translation>
    </message>
    <message>
        <source>Err: unkey DTR</source>
        <translation>Err: unkey DTR</translation>
    </message>
    <message>
        <source>Err: unkey GPIO</source>
        <translation>Err: unkey GPIO</translation>
    </message>
    <message>
        <source>Err: unkey HAMLIB</source>
        <translation>Err: unkey HAMLIB</translation>
    </message>
    <message>
        <source>Err: unkey RTS</source>
        <translation>Err: unkey RTS</translation>
    </message>
    <message>
        <source>Err: wave file</source>
        <translation>Err: sound file</translation>
    </message>
    <message>
        <source>Err: waveOutWrite1</source>
        <translation>Err: writing sound (1)</translation>
    </message>
    <message>
        <source>Err: waveOutWrite2</source>
        <translation>Err: writing sound (2)</translation>
    </message>
    <message>
        <source>Error Internet</source>
        <translation>Internet error</translation>
    </message>
    <message>
        <source>Error archivo</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Error de archivo</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Error de ruta de Tapewell</source>
        <translation>Recorder program path error</translation>
    </message>
    <message>
        <source>Error: Alloc Mem</source>
        <translation>Error: memory allocation</translation>
    </message>
    <message>
        <source>Error: Alloc mem</source>
        <translation>Error: memory allocation</translation>
    </message>
    <message>
        <source>Error: COM-Port</source>
        <translation>Error: serial port</translation>
    </message>
    <message>
        <source>Error: MapViewOfFile</source>
        <translation>Error: shared mailbox</translation>
    </message>
    <message>
        <source>Error: Nombre de archivo</source>
        <translation>Error: file name</translation>
    </message>
    <message>
        <source>Error: Res Wave</source>
        <translation>Error: built-in sound</translation>
    </message>
    <message>
        <source>Error: Weather Monitor</source>
        <translation>Error: Weather Monitor</translation>
    </message>
    <message>
        <source>Error: prepare hdr3 wave</source>
        <translation>Error: preparing sound (3)</translation>
    </message>
    <message>
        <source>Error: salida de reproducción</source>
        <translation>Error: playback output</translation>
    </message>
    <message>
        <source>Error: skycrier</source>
        <translation>Error: SkyCrier</translation>
    </message>
    <message>
        <source>Error: wave_out_write3 wave</source>
        <translation>Error: writing sound (3)</translation>
    </message>
    <message>
        <source>Escalofríos</source>
        <translation>Wind chill</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Esperar</source>
        <translation>Wait</translation>
    </message>
    <message>
        <source>Estas actualizado.</source>
        <translation>You are up to date.</translation>
    </message>
    <message>
        <source>FINAL=Y plays FICHIER_FIN</source>
        <translation>FINAL=Y plays FICHIER_FIN</translation>
    </message>
    <message>
        <source>FINAL=Y plays FICHIER_FIN=, which is not there</source>
        <translation>FINAL=Y plays FICHIER_FIN=, which is not there</translation>
    </message>
    <message>
        <source>Favoritos</source>
        <translation>Favorites</translation>
    </message>
    <message>
        <source>Favoritos APRS</source>
        <translation>APRS favorites</translation>
    </message>
    <message>
        <source>Favoritos METAR</source>
        <translation>METAR favorites</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Fecha y hora</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Fehler: COM-Port</source>
        <translation>Error: serial port</translation>
    </message>
    <message>
        <source>Fehler: Dateiname</source>
        <translation>Error: file name</translation>
    </message>
    <message>
        <source>Fichier weatherlink wlk</source>
        <translation>WeatherLink wlk file</translation>
    </message>
    <message>
        <source>Fichiers WXNOW.TXT</source>
        <translation>WXNOW.TXT files</translation>
    </message>
    <message>
        <source>Fichiers history.dat</source>
        <translation>history.dat files</translation>
    </message>
    <message>
        <source>Fichiers son *.wav</source>
        <translation>Sound files *.wav</translation>
    </message>
    <message>
        <source>First run: choose the weather source (menu Fuente del WX)</source>
        <translation>First run: choose the weather source (menu Weather source)</translation>
    </message>
    <message>
        <source>Frecuencia</source>
        <translation>Interval</translation>
    </message>
    <message>
        <source>Fuente del WX</source>
        <translation>Weather source</translation>
    </message>
    <message>
        <source>GPIO chip</source>
        <translation>GPIO chip</translation>
    </message>
    <message>
        <source>GPIO line</source>
        <translation>GPIO line</translation>
    </message>
    <message>
        <source>GPIO pin</source>
        <translation>GPIO pin</translation>
    </message>
    <message>
        <source>Granizo</source>
        <translation>Hail</translation>
    </message>
    <message>
        <source>Guardar anuncio</source>
        <translation>Record bulletins</translation>
    </message>
    <message>
        <source>Guardar configuración</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>HELLO=Y plays FICHIER_BRELL</source>
        <translation>HELLO=Y plays FICHIER_BRELL</translation>
    </message>
    <message>
        <source>HELLO=Y plays FICHIER_BRELL=, which is not there</source>
        <translation>HELLO=Y plays FICHIER_BRELL=, which is not there</translation>
    </message>
    <message>
        <source>Haga Clic para info</source>
        <translation>Click for info</translation>
    </message>
    <message>
        <source>Haga clic en el botón delante de la URL para abrirla.</source>
        <translation>Click the button in front of the URL to open it.</translation>
    </message>
    <message>
        <source>Hamlib (CAT)</source>
        <translation>Hamlib (CAT)</translation>
    </message>
    <message>
        <source>Hay una versión más reciente de SKYCRIER disponible en</source>
        <translation>A newer version of SkyCrier is available at</translation>
    </message>
    <message>
        <source>Hola</source>
        <translation>Greeting</translation>
    </message>
    <message>
        <source>Hora de fin</source>
        <translation>End hour</translation>
    </message>
    <message>
        <source>Hora de inicio</source>
        <translation>Start hour</translation>
    </message>
    <message>
        <source>Horario del anuncio</source>
        <translation>Bulletin hours</translation>
    </message>
    <message>
        <source>Humedad</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Humidad</source>
        <translation>Humidity</translation>
    </message>
    <message>
        <source>Humidad-int</source>
        <translation>Inside hum.</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Ignorar si los datos tienen más de dos horas</source>
        <translation>Skip if the data are over two hours old</translation>
    </message>
    <message>
        <source>Ignorar si los datos tienen más de tres horas</source>
        <translation>Skip if the data are over three hours old</translation>
    </message>
    <message>
        <source>Ignorar si los datos tienen más de una hora</source>
        <translation>Skip if the data are over one hour old</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Inhibir anuncio (-&gt;+)</source>
        <translation>Hold bulletins (-&gt;+)</translation>
    </message>
    <message>
        <source>Input/output error; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>Input/output error; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</translation>
    </message>
    <message>
        <source>LOCUTAR</source>
        <translation>Announce now</translation>
    </message>
    <message>
        <source>Lacrosse WS-2310 / 2315 / 2355 +</source>
        <translation>Lacrosse WS-2310 / 2315 / 2355 +</translation>
    </message>
    <message>
        <source>Lacrosse WS-2310 / 2315 / 2355+</source>
        <translation>Lacrosse WS-2310 / 2315 / 2355+</translation>
    </message>
    <message>
        <source>Lacrosse WS-2800 / 3610 +</source>
        <translation>Lacrosse WS-2800 / 3610 +</translation>
    </message>
    <message>
        <source>Lacrosse WS-2800 / 3610+</source>
        <translation>Lacrosse WS-2800 / 3610+</translation>
    </message>
    <message>
        <source>Leyendo Weather Monitor</source>
        <translation>Reading Weather Monitor</translation>
    </message>
    <message>
        <source>Lines active low</source>
        <translation>Lines active low</translation>
    </message>
    <message>
        <source>Lluvia</source>
        <translation>Rain</translation>
    </message>
    <message>
        <source>Lluvia intensa</source>
        <translation>Heavy rain</translation>
    </message>
    <message>
        <source>Lluvia ligera</source>
        <translation>Light rain</translation>
    </message>
    <message>
        <source>Lluvia moderata</source>
        <translation>Moderate rain</translation>
    </message>
    <message>
        <source>Lluvia/24h</source>
        <translation>Rain/24h</translation>
    </message>
    <message>
        <source>Loc</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Locutar (-&gt;+)</source>
        <translation>Announce (-&gt;+)</translation>
    </message>
    <message>
        <source>Locutar siempre</source>
        <translation>Always announce</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Login aprs.fi</source>
        <translation>aprs.fi login</translation>
    </message>
    <message>
        <source>METAR, from</source>
        <translation>METAR, from</translation>
    </message>
    <message>
        <source>MON, console on</source>
        <translation>MON, console on</translation>
    </message>
    <message>
        <source>Marque para locutar</source>
        <translation>Tick to announce</translation>
    </message>
    <message>
        <source>Minimizar al inicio del programa</source>
        <translation>Start minimized</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>Minutes between scheduled bulletins (0: none); the arrows change them</source>
        <translation>Minutes between scheduled bulletins (0: none); the arrows change them</translation>
    </message>
    <message>
        <source>My units</source>
        <translation>My units</translation>
    </message>
    <message>
        <source>Navegar</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Navigar</source>
        <translation>Browse…</translation>
    </message>
    <message>
        <source>Next: choose how often to announce (the arrows beside Cada)</source>
        <translation>Next: choose how often to announce (the arrows beside Every)</translation>
    </message>
    <message>
        <source>Next: choose the port that keys the transmitter (menu Puerto COM)</source>
        <translation>Next: choose the port that keys the transmitter (menu Serial port)</translation>
    </message>
    <message>
        <source>Niabla</source>
        <translation>Fog</translation>
    </message>
    <message>
        <source>Niebla</source>
        <translation>Mist</translation>
    </message>
    <message>
        <source>Nieve intensa</source>
        <translation>Heavy snow</translation>
    </message>
    <message>
        <source>Nieve ligera</source>
        <translation>Light snow</translation>
    </message>
    <message>
        <source>Nieve moderata</source>
        <translation>Moderate snow</translation>
    </message>
    <message>
        <source>No COM</source>
        <translation>No port</translation>
    </message>
    <message>
        <source>No card mixer on this output: the slider scales the sound itself</source>
        <translation>No card mixer on this output: the slider scales the sound itself</translation>
    </message>
    <message>
        <source>No such file or directory; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>No such file or directory; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</translation>
    </message>
    <message>
        <source>No system tray here: SkyCrier minimises to the task bar</source>
        <translation>No system tray here: SkyCrier minimizes to the task bar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Nothing is keyed: the radio's VOX keys it on the sound.</source>
        <translation>Nothing is keyed: the radio's VOX keys it on the sound.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>On</source>
        <translation>On</translation>
    </message>
    <message>
        <source>Operation not permitted; nothing was saved</source>
        <translation>Operation not permitted; nothing was saved</translation>
    </message>
    <message>
        <source>P-atm</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>PTT CM108 ready again</source>
        <translation>PTT CM108 ready again</translation>
    </message>
    <message>
        <source>PTT GPIO ready again</source>
        <translation>PTT GPIO ready again</translation>
    </message>
    <message>
        <source>PTT HAMLIB ready again</source>
        <translation>PTT HAMLIB ready again</translation>
    </message>
    <message>
        <source>PTT line</source>
        <translation>PTT line</translation>
    </message>
    <message>
        <source>PW</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>Paso de tendencia</source>
        <translation>Trend step</translation>
    </message>
    <message>
        <source>Permission denied; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>Permission denied; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</translation>
    </message>
    <message>
        <source>Permission denied; nothing was saved</source>
        <translation>Permission denied; nothing was saved</translation>
    </message>
    <message>
        <source>Placa de sonido</source>
        <translation>Sound output</translation>
    </message>
    <message>
        <source>Precipitación</source>
        <translation>Precipitation</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Pressure</translation>
    </message>
    <message>
        <source>Pro2, file</source>
        <translation>Pro2, file</translation>
    </message>
    <message>
        <source>Puerto COM</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>Punto de rocio</source>
        <translation>Dew point</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>RTS (pin 7)</source>
        <translation>RTS (pin 7)</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Rain</translation>
    </message>
    <message>
        <source>Read-only file system; nothing was saved</source>
        <translation>Read-only file system; nothing was saved</translation>
    </message>
    <message>
        <source>Registro horario de datos meteorológicos.</source>
        <translation>Hourly log of weather data.</translation>
    </message>
    <message>
        <source>Relativa</source>
        <translation>Relative</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Rig model</source>
        <translation>Rig model</translation>
    </message>
    <message>
        <source>Rig port</source>
        <translation>Rig port</translation>
    </message>
    <message>
        <source>Rig's default</source>
        <translation>Rig's default</translation>
    </message>
    <message>
        <source>Rosa de los vientos</source>
        <translation>Compass rose</translation>
    </message>
    <message>
        <source>Ráfag a</source>
        <translation>Gust</translation>
    </message>
    <message>
        <source>Ráfaga</source>
        <translation>Gust</translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation>Minimize</translation>
    </message>
    <message>
        <source>SKYCRIER</source>
        <translation>SkyCrier</translation>
    </message>
    <message>
        <source>SKYCRIER DONE</source>
        <translation>SkyCrier done</translation>
    </message>
    <message>
        <source>SKYCRIER SONANDO</source>
        <translation>SkyCrier on the air</translation>
    </message>
    <message>
        <source>SKYCRIER connecté</source>
        <translation>SkyCrier connected</translation>
    </message>
    <message>
        <source>SKYCRIER desconectado</source>
        <translation>SkyCrier disconnected</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Seleccionar la placa de sonido</source>
        <translation>Choose the sound output</translation>
    </message>
    <message>
        <source>Sensación</source>
        <translation>Wind chill</translation>
    </message>
    <message>
        <source>Serial port lines (DTR/RTS)</source>
        <translation>Serial port lines (DTR/RTS)</translation>
    </message>
    <message>
        <source>Set up: bulletins come at the period; LOCUTAR speaks one now</source>
        <translation>Set up: bulletins come at the period; Announce now speaks one at once</translation>
    </message>
    <message>
        <source>Simu Errreur (caché)</source>
        <translation>Simulate error (hidden)</translation>
    </message>
    <message>
        <source>Sin WX</source>
        <translation>No WX</translation>
    </message>
    <message>
        <source>SkyCrier</source>
        <translation>SkyCrier</translation>
    </message>
    <message>
        <source>SkyCrier
weather announcer for amateur radio</source>
        <translation>SkyCrier
weather announcer for amateur radio</translation>
    </message>
    <message>
        <source>SkyCrier conectado</source>
        <translation>SkyCrier connected</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Sound card</translation>
    </message>
    <message>
        <source>Speed (baud)</source>
        <translation>Speed (baud)</translation>
    </message>
    <message>
        <source>T-ext</source>
        <translation>Outside temp.</translation>
    </message>
    <message>
        <source>T-int</source>
        <translation>Inside temp.</translation>
    </message>
    <message>
        <source>Tapewell cerrado</source>
        <translation>Recorder program closed</translation>
    </message>
    <message>
        <source>Tapewell grabando</source>
        <translation>Recorder program: recording</translation>
    </message>
    <message>
        <source>Tapewell no encontrado!</source>
        <translation>Recorder program not found!</translation>
    </message>
    <message>
        <source>Tapewell no responde</source>
        <translation>Recorder program not answering</translation>
    </message>
    <message>
        <source>Tapewell se detiene</source>
        <translation>Recorder program: stopping</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperature</translation>
    </message>
    <message>
        <source>Tendencia</source>
        <translation>Trend</translation>
    </message>
    <message>
        <source>The rig's squelch (DCD) holds bulletins back</source>
        <translation>The rig's squelch (DCD) holds bulletins back</translation>
    </message>
    <message>
        <source>The ticked DTR and RTS lines of the port key the transmitter.</source>
        <translation>The ticked DTR and RTS lines of the port key the transmitter.</translation>
    </message>
    <message>
        <source>The transmitter is keyed</source>
        <translation>The transmitter is keyed</translation>
    </message>
    <message>
        <source>The transmitter is not keyed</source>
        <translation>The transmitter is not keyed</translation>
    </message>
    <message>
        <source>Transmitter keying</source>
        <translation>Transmitter keying</translation>
    </message>
    <message>
        <source>Trigger line</source>
        <translation>Trigger line</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Units</translation>
    </message>
    <message>
        <source>Unmöglich um aprs_cw zu speichern</source>
        <translation>Cannot save aprs_cw</translation>
    </message>
    <message>
        <source>Unmöglich um aprs_web.txt zu speichern</source>
        <translation>Cannot save aprs_web.txt</translation>
    </message>
    <message>
        <source>Unmöglich um metar_cw zu speichern</source>
        <translation>Cannot save metar_cw</translation>
    </message>
    <message>
        <source>Unmöglich um metar_cw.txt zu speichern</source>
        <translation>Cannot save metar_cw.txt</translation>
    </message>
    <message>
        <source>Unmöglich um metar_uiview.txt zu speichern</source>
        <translation>Cannot save metar_uiview.txt</translation>
    </message>
    <message>
        <source>Unmöglich um metar_web.txt zu speichern</source>
        <translation>Cannot save metar_web.txt</translation>
    </message>
    <message>
        <source>VOX (the radio keys itself)</source>
        <translation>VOX (the radio keys itself)</translation>
    </message>
    <message>
        <source>Vantage Pro2</source>
        <translation>Vantage Pro2</translation>
    </message>
    <message>
        <source>Ver el WX</source>
        <translation>Show WX</translation>
    </message>
    <message>
        <source>Viento</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Vuelva a abrir el navegador para intentarlo de nuevo.</source>
        <translation>Open the browser again to try once more.</translation>
    </message>
    <message>
        <source>W23, file</source>
        <translation>W23, file</translation>
    </message>
    <message>
        <source>W28, file</source>
        <translation>W28, file</translation>
    </message>
    <message>
        <source>WX</source>
        <translation>WX</translation>
    </message>
    <message>
        <source>WX APRS (formato UI-VIEW)</source>
        <translation>APRS WX (UI-View format)</translation>
    </message>
    <message>
        <source>WX METAR (Aeropuertos)</source>
        <translation>METAR WX (airports)</translation>
    </message>
    <message>
        <source>Wave ext</source>
        <translation>Ext. WAV</translation>
    </message>
    <message>
        <source>Wave int</source>
        <translation>Int. WAV</translation>
    </message>
    <message>
        <source>Weather Monitor II on</source>
        <translation>Weather Monitor II on</translation>
    </message>
    <message>
        <source>Weather Monitor cerrado</source>
        <translation>Weather Monitor closed</translation>
    </message>
    <message>
        <source>Weather Monitor leer</source>
        <translation>Reading Weather Monitor</translation>
    </message>
    <message>
        <source>Weather Monitor leer ...</source>
        <translation>Reading Weather Monitor ...</translation>
    </message>
    <message>
        <source>Wetter-Quellen</source>
        <translation>Weather sources</translation>
    </message>
    <message>
        <source>Wind Speed</source>
        <translation>Wind speed</translation>
    </message>
    <message>
        <source>Windows elije la placa de sonido</source>
        <translation>The system chooses the sound output</translation>
    </message>
    <message>
        <source>a favourite without its number</source>
        <translation>a favourite without its number</translation>
    </message>
    <message>
        <source>adiós</source>
        <translation>Closing</translation>
    </message>
    <message>
        <source>binary content</source>
        <translation>binary content</translation>
    </message>
    <message>
        <source>cada</source>
        <translation>every</translation>
    </message>
    <message>
        <source>compressed content (gzip)</source>
        <translation>compressed content (gzip)</translation>
    </message>
    <message>
        <source>creciente</source>
        <translation>rising</translation>
    </message>
    <message>
        <source>código</source>
        <translation>code</translation>
    </message>
    <message>
        <source>decreciente</source>
        <translation>falling</translation>
    </message>
    <message>
        <source>el programa corre como root y QTWEBENGINE_CHROMIUM_FLAGS no lleva --no-sandbox.</source>
        <translation>the program runs as root and QTWEBENGINE_CHROMIUM_FLAGS lacks --no-sandbox.</translation>
    </message>
    <message>
        <source>every</source>
        <translation>every</translation>
    </message>
    <message>
        <source>every bulletin would end there; record it, choose another file, or switch it off</source>
        <translation>every bulletin would end there; record it, choose another file, or switch it off</translation>
    </message>
    <message>
        <source>falta su programa auxiliar QtWebEngineProcess.</source>
        <translation>its helper program QtWebEngineProcess is missing.</translation>
    </message>
    <message>
        <source>favourite number not a whole number</source>
        <translation>favourite number not a whole number</translation>
    </message>
    <message>
        <source>favourite number outside 1..10</source>
        <translation>favourite number outside 1..10</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>file not found</translation>
    </message>
    <message>
        <source>hPa</source>
        <translation>hPa</translation>
    </message>
    <message>
        <source>inHg</source>
        <translation>inHg</translation>
    </message>
    <message>
        <source>inch</source>
        <translation>inch</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>knot</source>
        <translation>knot</translation>
    </message>
    <message>
        <source>larger than 1 MB; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>larger than 1 MB; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</translation>
    </message>
    <message>
        <source>line</source>
        <translation>line</translation>
    </message>
    <message>
        <source>minuto(s)</source>
        <translation>minute(s)</translation>
    </message>
    <message>
        <source>minutos</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>mph</source>
        <translation>mph</translation>
    </message>
    <message>
        <source>neither a port number nor a device path</source>
        <translation>neither a port number nor a device path</translation>
    </message>
    <message>
        <source>next bulletin at</source>
        <translation>next bulletin at</translation>
    </message>
    <message>
        <source>no "="</source>
        <translation>no "="</translation>
    </message>
    <message>
        <source>no bulletin will come</source>
        <translation>no bulletin will come</translation>
    </message>
    <message>
        <source>no connection to the web</source>
        <translation>no connection to the web</translation>
    </message>
    <message>
        <source>no hour is in the window and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini</source>
        <translation>no hour is in the window and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini</translation>
    </message>
    <message>
        <source>no port open (COM=), so nothing is keyed and no line starts a bulletin</source>
        <translation>no port open (COM=), so nothing is keyed and no line starts a bulletin</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when CTS rises</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises or DSR rises</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when CTS rises or DSR rises</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises or a peer program asks</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when CTS rises or a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises, DSR rises or a peer program asks</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when CTS rises, DSR rises or a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when DSR rises</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when DSR rises</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when DSR rises or a peer program asks</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when DSR rises or a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when a peer program asks</source>
        <translation>no scheduled bulletin (no hour is in the window); one comes when a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises</source>
        <translation>no scheduled bulletin (the period is off); one comes when CTS rises</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises or DSR rises</source>
        <translation>no scheduled bulletin (the period is off); one comes when CTS rises or DSR rises</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises or a peer program asks</source>
        <translation>no scheduled bulletin (the period is off); one comes when CTS rises or a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises, DSR rises or a peer program asks</source>
        <translation>no scheduled bulletin (the period is off); one comes when CTS rises, DSR rises or a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when DSR rises</source>
        <translation>no scheduled bulletin (the period is off); one comes when DSR rises</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when DSR rises or a peer program asks</source>
        <translation>no scheduled bulletin (the period is off); one comes when DSR rises or a peer program asks</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when a peer program asks</source>
        <translation>no scheduled bulletin (the period is off); one comes when a peer program asks</translation>
    </message>
    <message>
        <source>no weather is spoken</source>
        <translation>no weather is spoken</translation>
    </message>
    <message>
        <source>no weather is spoken; write one of MON, W23, W28, APRS, PRO2, METAR</source>
        <translation>no weather is spoken; write one of MON, W23, W28, APRS, PRO2, METAR</translation>
    </message>
    <message>
        <source>no weather value of APRS is ticked for speaking</source>
        <translation>no weather value of APRS is ticked for speaking</translation>
    </message>
    <message>
        <source>no weather value of METAR is ticked for speaking</source>
        <translation>no weather value of METAR is ticked for speaking</translation>
    </message>
    <message>
        <source>no weather value of MON is ticked for speaking</source>
        <translation>no weather value of MON is ticked for speaking</translation>
    </message>
    <message>
        <source>no weather value of Pro2 is ticked for speaking</source>
        <translation>no weather value of Pro2 is ticked for speaking</translation>
    </message>
    <message>
        <source>no weather value of W23 is ticked for speaking</source>
        <translation>no weather value of W23 is ticked for speaking</translation>
    </message>
    <message>
        <source>no weather value of W28 is ticked for speaking</source>
        <translation>no weather value of W28 is ticked for speaking</translation>
    </message>
    <message>
        <source>none chosen, the bulletins say the date and time only (METEO=)</source>
        <translation>none chosen, the bulletins give only the date and time (METEO=)</translation>
    </message>
    <message>
        <source>not a regular file; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>not a regular file; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</translation>
    </message>
    <message>
        <source>not a web address (http:// or https://)</source>
        <translation>not a web address (http:// or https://)</translation>
    </message>
    <message>
        <source>not a web address with {ICAO} where the airport code goes; kept as configured, codes are fetched from https://tgftp.nws.noaa.gov/data/observations/metar/stations/{ICAO}.TXT until it is mended</source>
        <translation>not a web address with {ICAO} where the airport code goes; kept as configured, codes are fetched from https://tgftp.nws.noaa.gov/data/observations/metar/stations/{ICAO}.TXT until it is mended</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>not a whole number</translation>
    </message>
    <message>
        <source>not a whole number, the device stays</source>
        <translation>not a whole number, the device stays</translation>
    </message>
    <message>
        <source>not en or es; the locale's language is used</source>
        <translation>not en or es; the locale's language is used</translation>
    </message>
    <message>
        <source>off (PERIOD=)</source>
        <translation>off (PERIOD=)</translation>
    </message>
    <message>
        <source>only</source>
        <translation>only</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>out of range</translation>
    </message>
    <message>
        <source>output</source>
        <translation>output</translation>
    </message>
    <message>
        <source>output number</source>
        <translation>output number</translation>
    </message>
    <message>
        <source>peer programs</source>
        <translation>peer programs</translation>
    </message>
    <message>
        <source>port</source>
        <translation>port</translation>
    </message>
    <message>
        <source>salida de reproducción</source>
        <translation>playback output</translation>
    </message>
    <message>
        <source>schedule</source>
        <translation>schedule</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>sec</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sound</translation>
    </message>
    <message>
        <source>sound output</source>
        <translation>sound output</translation>
    </message>
    <message>
        <source>starts with "="</source>
        <translation>starts with "="</translation>
    </message>
    <message>
        <source>the APRS source cannot fetch its report from</source>
        <translation>the APRS source cannot fetch its report from</translation>
    </message>
    <message>
        <source>the APRS source fetches its report again from</source>
        <translation>the APRS source fetches its report again from</translation>
    </message>
    <message>
        <source>the METAR source cannot fetch its report from</source>
        <translation>the METAR source cannot fetch its report from</translation>
    </message>
    <message>
        <source>the METAR source fetches its report again from</source>
        <translation>the METAR source fetches its report again from</translation>
    </message>
    <message>
        <source>the first CM108-family card found</source>
        <translation>the first CM108-family card found</translation>
    </message>
    <message>
        <source>the list holds 10 entries already</source>
        <translation>the list already holds 10 entries</translation>
    </message>
    <message>
        <source>the page is not a report</source>
        <translation>the page is not a report</translation>
    </message>
    <message>
        <source>the period is off and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini</source>
        <translation>the period is off and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini</translation>
    </message>
    <message>
        <source>the system's default output</source>
        <translation>the system's default output</translation>
    </message>
    <message>
        <source>the unread</source>
        <translation>the unread</translation>
    </message>
    <message>
        <source>the weather source APRS cannot be used</source>
        <translation>the weather source APRS cannot be used</translation>
    </message>
    <message>
        <source>the weather source APRS reports</source>
        <translation>the weather source APRS reports</translation>
    </message>
    <message>
        <source>the weather source METAR cannot be used</source>
        <translation>the weather source METAR cannot be used</translation>
    </message>
    <message>
        <source>the weather source METAR reports</source>
        <translation>the weather source METAR reports</translation>
    </message>
    <message>
        <source>the weather source MON cannot be used</source>
        <translation>the weather source MON cannot be used</translation>
    </message>
    <message>
        <source>the weather source MON reports</source>
        <translation>the weather source MON reports</translation>
    </message>
    <message>
        <source>the weather source Pro2 cannot be used</source>
        <translation>the weather source Pro2 cannot be used</translation>
    </message>
    <message>
        <source>the weather source Pro2 reports</source>
        <translation>the weather source Pro2 reports</translation>
    </message>
    <message>
        <source>the weather source W23 cannot be used</source>
        <translation>the weather source W23 cannot be used</translation>
    </message>
    <message>
        <source>the weather source W23 reports</source>
        <translation>the weather source W23 reports</translation>
    </message>
    <message>
        <source>the weather source W28 cannot be used</source>
        <translation>the weather source W28 cannot be used</translation>
    </message>
    <message>
        <source>the weather source W28 reports</source>
        <translation>the weather source W28 reports</translation>
    </message>
    <message>
        <source>transmitter</source>
        <translation>transmitter</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>unknown key</translation>
    </message>
    <message>
        <source>unknown source</source>
        <translation>unknown source</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>viento</source>
        <translation>Wind</translation>
    </message>
    <message>
        <source>weather</source>
        <translation>weather</translation>
    </message>
    <message>
        <source>°C</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>°F</source>
        <translation>°F</translation>
    </message>
    <message>
        <source>¿Hay una nueva versión disponible?</source>
        <translation>Is a new version available?</translation>
    </message>
</context>
</TS>
