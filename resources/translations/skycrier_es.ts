<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="es_ES">
<context>
    <name>SkyCrier</name>
    <message>
        <source>/dev/ttyUSB0 or host:port</source>
        <translation>/dev/ttyUSB0 o servidor:puerto</translation>
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
        <translation>16 direcciones</translation>
    </message>
    <message>
        <source>8 direcciones</source>
        <translation>8 direcciones</translation>
    </message>
    <message>
        <source>APRS, from</source>
        <translation>APRS, desde</translation>
    </message>
    <message>
        <source>Absoluta</source>
        <translation>Absoluta</translation>
    </message>
    <message>
        <source>Actualizar</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Announce now</source>
        <translation>Locutar ahora</translation>
    </message>
    <message>
        <source>Anuncio del WX</source>
        <translation>Anuncio del WX</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message>
        <source>Archivo</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Archivo .wlk</source>
        <translation>Archivo .wlk</translation>
    </message>
    <message>
        <source>Archivo history.dat</source>
        <translation>Archivo history.dat</translation>
    </message>
    <message>
        <source>Ayuda</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Bitte die URL überprüfen oder aprs.fi anzumelden, dann aktualisieren</source>
        <translation>Compruebe la URL o inicie sesión en aprs.fi, luego actualice</translation>
    </message>
    <message>
        <source>Busque siempre el archivo del mes actual</source>
        <translation>Busque siempre el archivo del mes actual</translation>
    </message>
    <message>
        <source>Busy line</source>
        <translation>Línea de ocupado</translation>
    </message>
    <message>
        <source>CM108 sound card GPIO</source>
        <translation>GPIO de la tarjeta de sonido CM108</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>Puerto</translation>
    </message>
    <message>
        <source>COM-Port</source>
        <translation>Puerto serie</translation>
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
        <translation>Cada</translation>
    </message>
    <message>
        <source>Camino de Tapewell</source>
        <translation>Ruta del programa grabador</translation>
    </message>
    <message>
        <source>Click for info</source>
        <translation>Haga clic para info</translation>
    </message>
    <message>
        <source>Cliquer pour changer le port</source>
        <translation>Haga clic para cambiar el puerto</translation>
    </message>
    <message>
        <source>Compruebe si hay una nueva versión al iniciar</source>
        <translation>Compruebe si hay una nueva versión al iniciar</translation>
    </message>
    <message>
        <source>Contenido del anuncio</source>
        <translation>Contenido del anuncio</translation>
    </message>
    <message>
        <source>Control PTT (Alto)</source>
        <translation>Control PTT (alto)</translation>
    </message>
    <message>
        <source>Corrección</source>
        <translation>Corrección</translation>
    </message>
    <message>
        <source>Corrección de presión</source>
        <translation>Corrección de presión</translation>
    </message>
    <message>
        <source>Código OACI (EDDF), dirección o archivo</source>
        <translation>Código OACI (EDDF), dirección o archivo</translation>
    </message>
    <message>
        <source>Código aeropuerto</source>
        <translation>Código aeropuerto</translation>
    </message>
    <message>
        <source>Código aeropuerto=</source>
        <translation>Código aeropuerto=</translation>
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
        <translation>CAMBIAR LA SALIDA DE SONIDO</translation>
    </message>
    <message>
        <source>DLL-Version</source>
        <translation>Versión</translation>
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
        <translation>Descargando</translation>
    </message>
    <message>
        <source>Descargar ...</source>
        <translation>Descargando ...</translation>
    </message>
    <message>
        <source>Dirección</source>
        <translation>Dirección</translation>
    </message>
    <message>
        <source>ENTETE=Y plays FICHIER_ENTETE</source>
        <translation>ENTETE=Y reproduce FICHIER_ENTETE</translation>
    </message>
    <message>
        <source>ENTETE=Y plays FICHIER_ENTETE=, which is not there</source>
        <translation>ENTETE=Y reproduce FICHIER_ENTETE=, que no existe</translation>
    </message>
    <message>
        <source>Ejecuta al inicio de Windows</source>
        <translation>Iniciar con la sesión</translation>
    </message>
    <message>
        <source>El navegador no puede arrancar aquí</source>
        <translation>El navegador no puede arrancar aquí</translation>
    </message>
    <message>
        <source>El proceso de la página ha sido detenido</source>
        <translation>El proceso de la página ha sido detenido</translation>
    </message>
    <message>
        <source>El proceso de la página ha terminado con un error</source>
        <translation>El proceso de la página ha terminado con un error</translation>
    </message>
    <message>
        <source>El proceso de la página se ha caído</source>
        <translation>El proceso de la página se ha caído</translation>
    </message>
    <message>
        <source>Elija puerto COM y señales activas</source>
        <translation>Elija el puerto serie y las señales activas</translation>
    </message>
    <message>
        <source>Encabezado</source>
        <translation>Encabezado</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
    <message>
        <source>Err: Chunk Res wave</source>
        <translation>Err: bloque del sonido interno</translation>
    </message>
    <message>
        <source>Err: Header wave file</source>
        <translation>Err: cabecera del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Not enough memory</source>
        <translation>Err: Memoria insuficiente</translation>
    </message>
    <message>
        <source>Err: Opening sound card</source>
        <translation>Err: al abrir la salida de sonido</translation>
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
        <translation>Err: al preparar el sonido (1)</translation>
    </message>
    <message>
        <source>Err: PrepareHeader2</source>
        <translation>Err: al preparar el sonido (2)</translation>
    </message>
    <message>
        <source>Err: Prepareheader1</source>
        <translation>Err: al preparar el sonido (1)</translation>
    </message>
    <message>
        <source>Err: Prepareheader2</source>
        <translation>Err: al preparar el sonido (2)</translation>
    </message>
    <message>
        <source>Err: Reading Res wave</source>
        <translation>Err: lectura del sonido interno</translation>
    </message>
    <message>
        <source>Err: Reading wave file</source>
        <translation>Err: lectura del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Reading(2) Res wave</source>
        <translation>Err: lectura(2) del sonido interno</translation>
    </message>
    <message>
        <source>Err: Reading(2) wave file</source>
        <translation>Err: lectura(2) del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Reading(3) Res wave</source>
        <translation>Err: lectura(3) del sonido interno</translation>
    </message>
    <message>
        <source>Err: Reading(3) wave file</source>
        <translation>Err: lectura(3) del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Res Wave</source>
        <translation>Err: sonido interno</translation>
    </message>
    <message>
        <source>Err: Res none PCM</source>
        <translation>Err: sonido interno no PCM</translation>
    </message>
    <message>
        <source>Err: Res none mono/stereo</source>
        <translation>Err: sonido interno ni mono ni estéreo</translation>
    </message>
    <message>
        <source>Err: Res wave data</source>
        <translation>Err: datos del sonido interno</translation>
    </message>
    <message>
        <source>Err: Res wave format</source>
        <translation>Err: formato del sonido interno</translation>
    </message>
    <message>
        <source>Err: Res wave header</source>
        <translation>Err: cabecera del sonido interno</translation>
    </message>
    <message>
        <source>Err: SkyCrier closing</source>
        <translation>Err: SkyCrier cerrándose</translation>
    </message>
    <message>
        <source>Err: Wave file</source>
        <translation>Err: archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Wave file data</source>
        <translation>Err: datos del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Wave file format</source>
        <translation>Err: formato del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: Wave file name</source>
        <translation>Err: nombre del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: WaveOutOpen</source>
        <translation>Err: al abrir la salida de sonido</translation>
    </message>
    <message>
        <source>Err: WaveOutWrite1</source>
        <translation>Err: al escribir el sonido (1)</translation>
    </message>
    <message>
        <source>Err: WaveOutWrite2</source>
        <translation>Err: al escribir el sonido (2)</translation>
    </message>
    <message>
        <source>Err: chunk wave file</source>
        <translation>Err: bloque del archivo de sonido</translation>
    </message>
    <message>
        <source>Err: chunk2 Res wave</source>
        <translation>Err: bloque del sonido interno (2)</translation>
    </message>
    <message>
        <source>Err: chunk2 wave file</source>
        <translation>Err: bloque del archivo de sonido (2)</translation>
    </message>
    <message>
        <source>Err: key CM108</source>
        <translation>Err: key CM108</translation>
    </message>
    <message>
        <source>Err: key DTR</source>
        <translation>Err: activar DTR</translation>
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
        <translation>Err: activar RTS</translation>
    </message>
    <message>
        <source>Err: none PCM file</source>
        <translation>Err: archivo de sonido no PCM</translation>
    </message>
    <message>
        <source>Err: none mono/stereo file</source>
        <translation>Err: archivo de sonido ni mono ni estéreo</translation>
    </message>
    <message>
        <source>Err: transmit time-out</source>
        <translation>Err: tiempo de emisión agotado</translation>
    </message>
    <message>
        <source>Err: unkey CM108</source>
        <translation>Err: unkey CM108</translation>
    </message>
    <message>
        <source>Err: unkey DTR</source>
        <translation>Err: desactivar DTR</translation>
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
        <translation>Err: desactivar RTS</translation>
    </message>
    <message>
        <source>Err: wave file</source>
        <translation>Err: archivo de sonido</translation>
    </message>
    <message>
        <source>Err: waveOutWrite1</source>
        <translation>Err: al escribir el sonido (1)</translation>
    </message>
    <message>
        <source>Err: waveOutWrite2</source>
        <translation>Err: al escribir el sonido (2)</translation>
    </message>
    <message>
        <source>Error Internet</source>
        <translation>Error de Internet</translation>
    </message>
    <message>
        <source>Error archivo</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Error de archivo</source>
        <translation>Error de archivo</translation>
    </message>
    <message>
        <source>Error de ruta de Tapewell</source>
        <translation>Error de ruta del programa grabador</translation>
    </message>
    <message>
        <source>Error: Alloc Mem</source>
        <translation>Error: asignación de memoria</translation>
    </message>
    <message>
        <source>Error: Alloc mem</source>
        <translation>Error: asignación de memoria</translation>
    </message>
    <message>
        <source>Error: COM-Port</source>
        <translation>Error: puerto serie</translation>
    </message>
    <message>
        <source>Error: MapViewOfFile</source>
        <translation>Error: buzón común</translation>
    </message>
    <message>
        <source>Error: Nombre de archivo</source>
        <translation>Error: nombre de archivo</translation>
    </message>
    <message>
        <source>Error: Res Wave</source>
        <translation>Error: sonido interno</translation>
    </message>
    <message>
        <source>Error: Weather Monitor</source>
        <translation>Error: Weather Monitor</translation>
    </message>
    <message>
        <source>Error: prepare hdr3 wave</source>
        <translation>Error: al preparar el sonido (3)</translation>
    </message>
    <message>
        <source>Error: salida de reproducción</source>
        <translation>Error: salida de reproducción</translation>
    </message>
    <message>
        <source>Error: skycrier</source>
        <translation>Error: SkyCrier</translation>
    </message>
    <message>
        <source>Error: wave_out_write3 wave</source>
        <translation>Error: al escribir el sonido (3)</translation>
    </message>
    <message>
        <source>Escalofríos</source>
        <translation>Sensación</translation>
    </message>
    <message>
        <source>Español</source>
        <translation>Español</translation>
    </message>
    <message>
        <source>Esperar</source>
        <translation>Esperar</translation>
    </message>
    <message>
        <source>Estas actualizado.</source>
        <translation>Estás actualizado.</translation>
    </message>
    <message>
        <source>FINAL=Y plays FICHIER_FIN</source>
        <translation>FINAL=Y reproduce FICHIER_FIN</translation>
    </message>
    <message>
        <source>FINAL=Y plays FICHIER_FIN=, which is not there</source>
        <translation>FINAL=Y reproduce FICHIER_FIN=, que no existe</translation>
    </message>
    <message>
        <source>Favoritos</source>
        <translation>Favoritos</translation>
    </message>
    <message>
        <source>Favoritos APRS</source>
        <translation>Favoritos APRS</translation>
    </message>
    <message>
        <source>Favoritos METAR</source>
        <translation>Favoritos METAR</translation>
    </message>
    <message>
        <source>Fecha</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Fecha y hora</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Fehler: COM-Port</source>
        <translation>Error: puerto serie</translation>
    </message>
    <message>
        <source>Fehler: Dateiname</source>
        <translation>Error: nombre de archivo</translation>
    </message>
    <message>
        <source>Fichier weatherlink wlk</source>
        <translation>Archivo WeatherLink wlk</translation>
    </message>
    <message>
        <source>Fichiers WXNOW.TXT</source>
        <translation>Archivos WXNOW.TXT</translation>
    </message>
    <message>
        <source>Fichiers history.dat</source>
        <translation>Archivos history.dat</translation>
    </message>
    <message>
        <source>Fichiers son *.wav</source>
        <translation>Archivos de sonido *.wav</translation>
    </message>
    <message>
        <source>First run: choose the weather source (menu Fuente del WX)</source>
        <translation>Primer inicio: elija la fuente del WX (menú Fuente del WX)</translation>
    </message>
    <message>
        <source>Frecuencia</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Fuente del WX</source>
        <translation>Fuente del WX</translation>
    </message>
    <message>
        <source>GPIO chip</source>
        <translation>Chip GPIO</translation>
    </message>
    <message>
        <source>GPIO line</source>
        <translation>Línea GPIO</translation>
    </message>
    <message>
        <source>GPIO pin</source>
        <translation>Pin GPIO</translation>
    </message>
    <message>
        <source>Granizo</source>
        <translation>Granizo</translation>
    </message>
    <message>
        <source>Guardar anuncio</source>
        <translation>Guardar anuncio</translation>
    </message>
    <message>
        <source>Guardar configuración</source>
        <translation>Guardar configuración</translation>
    </message>
    <message>
        <source>HELLO=Y plays FICHIER_BRELL</source>
        <translation>HELLO=Y reproduce FICHIER_BRELL</translation>
    </message>
    <message>
        <source>HELLO=Y plays FICHIER_BRELL=, which is not there</source>
        <translation>HELLO=Y reproduce FICHIER_BRELL=, que no existe</translation>
    </message>
    <message>
        <source>Haga Clic para info</source>
        <translation>Haga clic para info</translation>
    </message>
    <message>
        <source>Haga clic en el botón delante de la URL para abrirla.</source>
        <translation>Haga clic en el botón delante de la URL para abrirla.</translation>
    </message>
    <message>
        <source>Hamlib (CAT)</source>
        <translation>Hamlib (CAT)</translation>
    </message>
    <message>
        <source>Hay una versión más reciente de SKYCRIER disponible en</source>
        <translation>Hay una versión más reciente de SkyCrier disponible en</translation>
    </message>
    <message>
        <source>Hola</source>
        <translation>Hola</translation>
    </message>
    <message>
        <source>Hora de fin</source>
        <translation>Hora de fin</translation>
    </message>
    <message>
        <source>Hora de inicio</source>
        <translation>Hora de inicio</translation>
    </message>
    <message>
        <source>Horario del anuncio</source>
        <translation>Horario del anuncio</translation>
    </message>
    <message>
        <source>Humedad</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Humidad</source>
        <translation>Humedad</translation>
    </message>
    <message>
        <source>Humidad-int</source>
        <translation>Humedad-int</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Idioma</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Ignorar si los datos tienen más de dos horas</source>
        <translation>Ignorar si los datos tienen más de dos horas</translation>
    </message>
    <message>
        <source>Ignorar si los datos tienen más de tres horas</source>
        <translation>Ignorar si los datos tienen más de tres horas</translation>
    </message>
    <message>
        <source>Ignorar si los datos tienen más de una hora</source>
        <translation>Ignorar si los datos tienen más de una hora</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Inhibir anuncio (-&gt;+)</source>
        <translation>Inhibir anuncio (-&gt;+)</translation>
    </message>
    <message>
        <source>Input/output error; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>Error de entrada/salida; SkyCrier funciona con sus valores predeterminados y no sobrescribe el archivo (guardar a propósito desde el programa de escritorio lo conserva junto al nuevo)</translation>
    </message>
    <message>
        <source>LOCUTAR</source>
        <translation>LOCUTAR</translation>
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
        <translation>Leyendo Weather Monitor</translation>
    </message>
    <message>
        <source>Lines active low</source>
        <translation>Líneas activas en bajo</translation>
    </message>
    <message>
        <source>Lluvia</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Lluvia intensa</source>
        <translation>Lluvia intensa</translation>
    </message>
    <message>
        <source>Lluvia ligera</source>
        <translation>Lluvia ligera</translation>
    </message>
    <message>
        <source>Lluvia moderata</source>
        <translation>Lluvia moderada</translation>
    </message>
    <message>
        <source>Lluvia/24h</source>
        <translation>Lluvia/24h</translation>
    </message>
    <message>
        <source>Loc</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Locutar (-&gt;+)</source>
        <translation>Locutar (-&gt;+)</translation>
    </message>
    <message>
        <source>Locutar siempre</source>
        <translation>Locutar siempre</translation>
    </message>
    <message>
        <source>Login</source>
        <translation>Entrar</translation>
    </message>
    <message>
        <source>Login aprs.fi</source>
        <translation>Acceso a aprs.fi</translation>
    </message>
    <message>
        <source>METAR, from</source>
        <translation>METAR, desde</translation>
    </message>
    <message>
        <source>MON, console on</source>
        <translation>MON, consola en</translation>
    </message>
    <message>
        <source>Marque para locutar</source>
        <translation>Marque para locutar</translation>
    </message>
    <message>
        <source>Minimizar al inicio del programa</source>
        <translation>Minimizar al inicio del programa</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>Minutes between scheduled bulletins (0: none); the arrows change them</source>
        <translation>Minutos entre anuncios programados (0: ninguno); las flechas los cambian</translation>
    </message>
    <message>
        <source>My units</source>
        <translation>Mis unidades</translation>
    </message>
    <message>
        <source>Navegar</source>
        <translation>Navegar</translation>
    </message>
    <message>
        <source>Navigar</source>
        <translation>Navegar</translation>
    </message>
    <message>
        <source>Next: choose how often to announce (the arrows beside Cada)</source>
        <translation>Siguiente: elija cada cuánto locutar (las flechas junto a Cada)</translation>
    </message>
    <message>
        <source>Next: choose the port that keys the transmitter (menu Puerto COM)</source>
        <translation>Siguiente: elija el puerto que activa el transmisor (menú Puerto serie)</translation>
    </message>
    <message>
        <source>Niabla</source>
        <translation>Niebla</translation>
    </message>
    <message>
        <source>Niebla</source>
        <translation>Neblina</translation>
    </message>
    <message>
        <source>Nieve intensa</source>
        <translation>Nieve intensa</translation>
    </message>
    <message>
        <source>Nieve ligera</source>
        <translation>Nieve ligera</translation>
    </message>
    <message>
        <source>Nieve moderata</source>
        <translation>Nieve moderada</translation>
    </message>
    <message>
        <source>No COM</source>
        <translation>Sin puerto</translation>
    </message>
    <message>
        <source>No card mixer on this output: the slider scales the sound itself</source>
        <translation>Esta salida no tiene mezclador: el control escala el propio sonido</translation>
    </message>
    <message>
        <source>No such file or directory; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>No existe el archivo o el directorio; SkyCrier funciona con sus valores predeterminados y no sobrescribe el archivo (guardar a propósito desde el programa de escritorio lo conserva junto al nuevo)</translation>
    </message>
    <message>
        <source>No system tray here: SkyCrier minimises to the task bar</source>
        <translation>Sin bandeja del sistema: SkyCrier se minimiza a la barra de tareas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguna</translation>
    </message>
    <message>
        <source>Nothing is keyed: the radio's VOX keys it on the sound.</source>
        <translation>No se activa nada: el VOX de la radio transmite con el sonido.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>On</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>Operation not permitted; nothing was saved</source>
        <translation>Operación no permitida; no se ha guardado nada</translation>
    </message>
    <message>
        <source>P-atm</source>
        <translation>P-atm</translation>
    </message>
    <message>
        <source>PTT CM108 ready again</source>
        <translation>PTT CM108 de nuevo listo</translation>
    </message>
    <message>
        <source>PTT GPIO ready again</source>
        <translation>PTT GPIO de nuevo listo</translation>
    </message>
    <message>
        <source>PTT HAMLIB ready again</source>
        <translation>PTT HAMLIB de nuevo listo</translation>
    </message>
    <message>
        <source>PTT line</source>
        <translation>Línea PTT</translation>
    </message>
    <message>
        <source>PW</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Paso de tendencia</source>
        <translation>Paso de tendencia</translation>
    </message>
    <message>
        <source>Permission denied; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>Permiso denegado; SkyCrier funciona con sus valores predeterminados y no sobrescribe el archivo (guardar a propósito desde el programa de escritorio lo conserva junto al nuevo)</translation>
    </message>
    <message>
        <source>Permission denied; nothing was saved</source>
        <translation>Permiso denegado; no se ha guardado nada</translation>
    </message>
    <message>
        <source>Placa de sonido</source>
        <translation>Salida de sonido</translation>
    </message>
    <message>
        <source>Precipitación</source>
        <translation>Precipitación</translation>
    </message>
    <message>
        <source>Presión</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Pressure</source>
        <translation>Presión</translation>
    </message>
    <message>
        <source>Pro2, file</source>
        <translation>Pro2, archivo</translation>
    </message>
    <message>
        <source>Puerto COM</source>
        <translation>Puerto serie</translation>
    </message>
    <message>
        <source>Punto de rocio</source>
        <translation>Punto de rocío</translation>
    </message>
    <message>
        <source>Quitter</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>RTS (pin 7)</source>
        <translation>RTS (pin 7)</translation>
    </message>
    <message>
        <source>Rain</source>
        <translation>Lluvia</translation>
    </message>
    <message>
        <source>Read-only file system; nothing was saved</source>
        <translation>Sistema de archivos de solo lectura; no se ha guardado nada</translation>
    </message>
    <message>
        <source>Registro horario de datos meteorológicos.</source>
        <translation>Registro horario de datos meteorológicos.</translation>
    </message>
    <message>
        <source>Relativa</source>
        <translation>Relativa</translation>
    </message>
    <message>
        <source>Restaurer</source>
        <translation>Restaurar</translation>
    </message>
    <message>
        <source>Rig model</source>
        <translation>Modelo de equipo</translation>
    </message>
    <message>
        <source>Rig port</source>
        <translation>Puerto del equipo</translation>
    </message>
    <message>
        <source>Rig's default</source>
        <translation>La del equipo</translation>
    </message>
    <message>
        <source>Rosa de los vientos</source>
        <translation>Rosa de los vientos</translation>
    </message>
    <message>
        <source>Ráfag a</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Ráfaga</source>
        <translation>Ráfaga</translation>
    </message>
    <message>
        <source>Réduire</source>
        <translation>Minimizar</translation>
    </message>
    <message>
        <source>SKYCRIER</source>
        <translation>SkyCrier</translation>
    </message>
    <message>
        <source>SKYCRIER DONE</source>
        <translation>SkyCrier terminado</translation>
    </message>
    <message>
        <source>SKYCRIER SONANDO</source>
        <translation>SkyCrier sonando</translation>
    </message>
    <message>
        <source>SKYCRIER connecté</source>
        <translation>SkyCrier conectado</translation>
    </message>
    <message>
        <source>SKYCRIER desconectado</source>
        <translation>SkyCrier desconectado</translation>
    </message>
    <message>
        <source>Salir</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Seleccionar la placa de sonido</source>
        <translation>Seleccionar la salida de sonido</translation>
    </message>
    <message>
        <source>Sensación</source>
        <translation>Sensación</translation>
    </message>
    <message>
        <source>Serial port lines (DTR/RTS)</source>
        <translation>Líneas del puerto serie (DTR/RTS)</translation>
    </message>
    <message>
        <source>Set up: bulletins come at the period; LOCUTAR speaks one now</source>
        <translation>Listo: los anuncios llegan según el periodo; LOCUTAR locuta uno ahora</translation>
    </message>
    <message>
        <source>Simu Errreur (caché)</source>
        <translation>Simular error (oculto)</translation>
    </message>
    <message>
        <source>Sin WX</source>
        <translation>Sin WX</translation>
    </message>
    <message>
        <source>SkyCrier</source>
        <translation>SkyCrier</translation>
    </message>
    <message>
        <source>SkyCrier
weather announcer for amateur radio</source>
        <translation>SkyCrier
locutor meteorológico para radioaficionados</translation>
    </message>
    <message>
        <source>SkyCrier conectado</source>
        <translation>SkyCrier conectado</translation>
    </message>
    <message>
        <source>Sound card</source>
        <translation>Tarjeta de sonido</translation>
    </message>
    <message>
        <source>Speed (baud)</source>
        <translation>Velocidad (baudios)</translation>
    </message>
    <message>
        <source>T-ext</source>
        <translation>T-ext</translation>
    </message>
    <message>
        <source>T-int</source>
        <translation>T-int</translation>
    </message>
    <message>
        <source>Tapewell cerrado</source>
        <translation>Programa grabador cerrado</translation>
    </message>
    <message>
        <source>Tapewell grabando</source>
        <translation>Programa grabador: grabando</translation>
    </message>
    <message>
        <source>Tapewell no encontrado!</source>
        <translation>¡Programa grabador no encontrado!</translation>
    </message>
    <message>
        <source>Tapewell no responde</source>
        <translation>El programa grabador no responde</translation>
    </message>
    <message>
        <source>Tapewell se detiene</source>
        <translation>Programa grabador: deteniéndose</translation>
    </message>
    <message>
        <source>Temperatura</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Tendencia</source>
        <translation>Tendencia</translation>
    </message>
    <message>
        <source>The rig's squelch (DCD) holds bulletins back</source>
        <translation>El silenciador del equipo (DCD) retiene los anuncios</translation>
    </message>
    <message>
        <source>The ticked DTR and RTS lines of the port key the transmitter.</source>
        <translation>Las líneas DTR y RTS marcadas del puerto activan el transmisor.</translation>
    </message>
    <message>
        <source>The transmitter is keyed</source>
        <translation>El transmisor está en emisión</translation>
    </message>
    <message>
        <source>The transmitter is not keyed</source>
        <translation>El transmisor no está en emisión</translation>
    </message>
    <message>
        <source>Transmitter keying</source>
        <translation>Activación del transmisor</translation>
    </message>
    <message>
        <source>Trigger line</source>
        <translation>Línea de disparo</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Unidades</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Unmöglich um aprs_cw zu speichern</source>
        <translation>No se puede guardar aprs_cw</translation>
    </message>
    <message>
        <source>Unmöglich um aprs_web.txt zu speichern</source>
        <translation>No se puede guardar aprs_web.txt</translation>
    </message>
    <message>
        <source>Unmöglich um metar_cw zu speichern</source>
        <translation>No se puede guardar metar_cw</translation>
    </message>
    <message>
        <source>Unmöglich um metar_cw.txt zu speichern</source>
        <translation>No se puede guardar metar_cw.txt</translation>
    </message>
    <message>
        <source>Unmöglich um metar_uiview.txt zu speichern</source>
        <translation>No se puede guardar metar_uiview.txt</translation>
    </message>
    <message>
        <source>Unmöglich um metar_web.txt zu speichern</source>
        <translation>No se puede guardar metar_web.txt</translation>
    </message>
    <message>
        <source>VOX (the radio keys itself)</source>
        <translation>VOX (la radio transmite sola)</translation>
    </message>
    <message>
        <source>Vantage Pro2</source>
        <translation>Vantage Pro2</translation>
    </message>
    <message>
        <source>Ver el WX</source>
        <translation>Ver el WX</translation>
    </message>
    <message>
        <source>Viento</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>Volumen</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Vuelva a abrir el navegador para intentarlo de nuevo.</source>
        <translation>Vuelva a abrir el navegador para intentarlo de nuevo.</translation>
    </message>
    <message>
        <source>W23, file</source>
        <translation>W23, archivo</translation>
    </message>
    <message>
        <source>W28, file</source>
        <translation>W28, archivo</translation>
    </message>
    <message>
        <source>WX</source>
        <translation>WX</translation>
    </message>
    <message>
        <source>WX APRS (formato UI-VIEW)</source>
        <translation>WX APRS (formato UI-VIEW)</translation>
    </message>
    <message>
        <source>WX METAR (Aeropuertos)</source>
        <translation>WX METAR (Aeropuertos)</translation>
    </message>
    <message>
        <source>Wave ext</source>
        <translation>WAV ext.</translation>
    </message>
    <message>
        <source>Wave int</source>
        <translation>WAV int.</translation>
    </message>
    <message>
        <source>Weather Monitor II on</source>
        <translation>Weather Monitor II en</translation>
    </message>
    <message>
        <source>Weather Monitor cerrado</source>
        <translation>Weather Monitor cerrado</translation>
    </message>
    <message>
        <source>Weather Monitor leer</source>
        <translation>Leyendo Weather Monitor</translation>
    </message>
    <message>
        <source>Weather Monitor leer ...</source>
        <translation>Leyendo Weather Monitor ...</translation>
    </message>
    <message>
        <source>Wetter-Quellen</source>
        <translation>Fuentes del WX</translation>
    </message>
    <message>
        <source>Wind Speed</source>
        <translation>Velocidad del viento</translation>
    </message>
    <message>
        <source>Windows elije la placa de sonido</source>
        <translation>El sistema elige la salida de sonido</translation>
    </message>
    <message>
        <source>a favourite without its number</source>
        <translation>un favorito sin su número</translation>
    </message>
    <message>
        <source>adiós</source>
        <translation>adiós</translation>
    </message>
    <message>
        <source>binary content</source>
        <translation>contenido binario</translation>
    </message>
    <message>
        <source>cada</source>
        <translation>cada</translation>
    </message>
    <message>
        <source>compressed content (gzip)</source>
        <translation>contenido comprimido (gzip)</translation>
    </message>
    <message>
        <source>creciente</source>
        <translation>creciente</translation>
    </message>
    <message>
        <source>código</source>
        <translation>código</translation>
    </message>
    <message>
        <source>decreciente</source>
        <translation>decreciente</translation>
    </message>
    <message>
        <source>el programa corre como root y QTWEBENGINE_CHROMIUM_FLAGS no lleva --no-sandbox.</source>
        <translation>el programa corre como root y QTWEBENGINE_CHROMIUM_FLAGS no lleva --no-sandbox.</translation>
    </message>
    <message>
        <source>every</source>
        <translation>cada</translation>
    </message>
    <message>
        <source>every bulletin would end there; record it, choose another file, or switch it off</source>
        <translation>cada anuncio terminaría ahí; grábelo, elija otro archivo o desactívelo</translation>
    </message>
    <message>
        <source>falta su programa auxiliar QtWebEngineProcess.</source>
        <translation>falta su programa auxiliar QtWebEngineProcess.</translation>
    </message>
    <message>
        <source>favourite number not a whole number</source>
        <translation>el número de favorito no es un número entero</translation>
    </message>
    <message>
        <source>favourite number outside 1..10</source>
        <translation>número de favorito fuera de 1..10</translation>
    </message>
    <message>
        <source>file not found</source>
        <translation>archivo no encontrado</translation>
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
        <translation>pulgadas</translation>
    </message>
    <message>
        <source>km/h</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>knot</source>
        <translation>nudos</translation>
    </message>
    <message>
        <source>larger than 1 MB; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>mayor de 1 MB; SkyCrier funciona con sus valores predeterminados y no sobrescribe el archivo (guardar a propósito desde el programa de escritorio lo conserva junto al nuevo)</translation>
    </message>
    <message>
        <source>line</source>
        <translation>línea</translation>
    </message>
    <message>
        <source>minuto(s)</source>
        <translation>minuto(s)</translation>
    </message>
    <message>
        <source>minutos</source>
        <translation>minutos</translation>
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
        <translation>no es ni un número de puerto ni una ruta de dispositivo</translation>
    </message>
    <message>
        <source>next bulletin at</source>
        <translation>próximo anuncio a las</translation>
    </message>
    <message>
        <source>no "="</source>
        <translation>sin "="</translation>
    </message>
    <message>
        <source>no bulletin will come</source>
        <translation>no llegará ningún anuncio</translation>
    </message>
    <message>
        <source>no connection to the web</source>
        <translation>sin conexión a la web</translation>
    </message>
    <message>
        <source>no hour is in the window and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini</source>
        <translation>ninguna hora cae dentro del horario y nada más puede pedir uno; ajuste PERIOD= (o un puerto con CTS= o DSR=) en skycrier.ini</translation>
    </message>
    <message>
        <source>no port open (COM=), so nothing is keyed and no line starts a bulletin</source>
        <translation>ningún puerto abierto (COM=), así que no se activa nada y ninguna línea inicia un anuncio</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando sube CTS</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises or DSR rises</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando sube CTS o sube DSR</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises or a peer program asks</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando sube CTS o un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when CTS rises, DSR rises or a peer program asks</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando sube CTS, sube DSR o un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when DSR rises</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando sube DSR</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when DSR rises or a peer program asks</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando sube DSR o un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (no hour is in the window); one comes when a peer program asks</source>
        <translation>ningún anuncio programado (ninguna hora cae dentro del horario); llega uno cuando un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando sube CTS</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises or DSR rises</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando sube CTS o sube DSR</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises or a peer program asks</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando sube CTS o un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when CTS rises, DSR rises or a peer program asks</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando sube CTS, sube DSR o un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when DSR rises</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando sube DSR</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when DSR rises or a peer program asks</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando sube DSR o un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no scheduled bulletin (the period is off); one comes when a peer program asks</source>
        <translation>ningún anuncio programado (el periodo está desactivado); llega uno cuando un programa compañero lo pide</translation>
    </message>
    <message>
        <source>no weather is spoken</source>
        <translation>no se locuta ningún WX</translation>
    </message>
    <message>
        <source>no weather is spoken; write one of MON, W23, W28, APRS, PRO2, METAR</source>
        <translation>no se locuta ningún WX; escriba uno de MON, W23, W28, APRS, PRO2, METAR</translation>
    </message>
    <message>
        <source>no weather value of APRS is ticked for speaking</source>
        <translation>ningún valor del WX de APRS está marcado para locutar</translation>
    </message>
    <message>
        <source>no weather value of METAR is ticked for speaking</source>
        <translation>ningún valor del WX de METAR está marcado para locutar</translation>
    </message>
    <message>
        <source>no weather value of MON is ticked for speaking</source>
        <translation>ningún valor del WX de MON está marcado para locutar</translation>
    </message>
    <message>
        <source>no weather value of Pro2 is ticked for speaking</source>
        <translation>ningún valor del WX de Pro2 está marcado para locutar</translation>
    </message>
    <message>
        <source>no weather value of W23 is ticked for speaking</source>
        <translation>ningún valor del WX de W23 está marcado para locutar</translation>
    </message>
    <message>
        <source>no weather value of W28 is ticked for speaking</source>
        <translation>ningún valor del WX de W28 está marcado para locutar</translation>
    </message>
    <message>
        <source>none chosen, the bulletins say the date and time only (METEO=)</source>
        <translation>ninguna fuente elegida, los anuncios solo dicen la fecha y la hora (METEO=)</translation>
    </message>
    <message>
        <source>not a regular file; SkyCrier runs on its defaults and does not write over the file (saving on purpose from the desktop program keeps it beside the new one)</source>
        <translation>no es un archivo normal; SkyCrier funciona con sus valores predeterminados y no sobrescribe el archivo (guardar a propósito desde el programa de escritorio lo conserva junto al nuevo)</translation>
    </message>
    <message>
        <source>not a web address (http:// or https://)</source>
        <translation>no es una dirección web (http:// o https://)</translation>
    </message>
    <message>
        <source>not a web address with {ICAO} where the airport code goes; kept as configured, codes are fetched from https://tgftp.nws.noaa.gov/data/observations/metar/stations/{ICAO}.TXT until it is mended</source>
        <translation>no es una dirección web con {ICAO} donde va el código del aeropuerto; se conserva tal como está configurada, los códigos se descargan de https://tgftp.nws.noaa.gov/data/observations/metar/stations/{ICAO}.TXT hasta que se corrija</translation>
    </message>
    <message>
        <source>not a whole number</source>
        <translation>no es un número entero</translation>
    </message>
    <message>
        <source>not a whole number, the device stays</source>
        <translation>no es un número entero, el dispositivo sigue siendo el</translation>
    </message>
    <message>
        <source>not en or es; the locale's language is used</source>
        <translation>no es "en" ni "es"; se usa el idioma de la configuración regional</translation>
    </message>
    <message>
        <source>off (PERIOD=)</source>
        <translation>desactivado (PERIOD=)</translation>
    </message>
    <message>
        <source>only</source>
        <translation>solo</translation>
    </message>
    <message>
        <source>out of range</source>
        <translation>fuera de rango</translation>
    </message>
    <message>
        <source>output</source>
        <translation>salida</translation>
    </message>
    <message>
        <source>output number</source>
        <translation>salida número</translation>
    </message>
    <message>
        <source>peer programs</source>
        <translation>programas compañeros</translation>
    </message>
    <message>
        <source>port</source>
        <translation>puerto</translation>
    </message>
    <message>
        <source>salida de reproducción</source>
        <translation>salida de reproducción</translation>
    </message>
    <message>
        <source>schedule</source>
        <translation>horario</translation>
    </message>
    <message>
        <source>sec</source>
        <translation>seg</translation>
    </message>
    <message>
        <source>sound</source>
        <translation>sonido</translation>
    </message>
    <message>
        <source>sound output</source>
        <translation>salida de sonido</translation>
    </message>
    <message>
        <source>starts with "="</source>
        <translation>empieza por "="</translation>
    </message>
    <message>
        <source>the APRS source cannot fetch its report from</source>
        <translation>la fuente APRS no puede descargar su informe de</translation>
    </message>
    <message>
        <source>the APRS source fetches its report again from</source>
        <translation>la fuente APRS vuelve a descargar su informe de</translation>
    </message>
    <message>
        <source>the METAR source cannot fetch its report from</source>
        <translation>la fuente METAR no puede descargar su informe de</translation>
    </message>
    <message>
        <source>the METAR source fetches its report again from</source>
        <translation>la fuente METAR vuelve a descargar su informe de</translation>
    </message>
    <message>
        <source>the first CM108-family card found</source>
        <translation>la primera tarjeta CM108 encontrada</translation>
    </message>
    <message>
        <source>the list holds 10 entries already</source>
        <translation>la lista ya tiene 10 entradas</translation>
    </message>
    <message>
        <source>the page is not a report</source>
        <translation>la página no es un informe</translation>
    </message>
    <message>
        <source>the period is off and nothing else can ask for one; set PERIOD= (or a port with CTS= or DSR=) in skycrier.ini</source>
        <translation>el periodo está desactivado y nada más puede pedir uno; ajuste PERIOD= (o un puerto con CTS= o DSR=) en skycrier.ini</translation>
    </message>
    <message>
        <source>the system's default output</source>
        <translation>la salida predeterminada del sistema</translation>
    </message>
    <message>
        <source>the unread</source>
        <translation>el archivo no leído</translation>
    </message>
    <message>
        <source>the weather source APRS cannot be used</source>
        <translation>la fuente del WX APRS no se puede usar</translation>
    </message>
    <message>
        <source>the weather source APRS reports</source>
        <translation>la fuente del WX APRS informa</translation>
    </message>
    <message>
        <source>the weather source METAR cannot be used</source>
        <translation>la fuente del WX METAR no se puede usar</translation>
    </message>
    <message>
        <source>the weather source METAR reports</source>
        <translation>la fuente del WX METAR informa</translation>
    </message>
    <message>
        <source>the weather source MON cannot be used</source>
        <translation>la fuente del WX MON no se puede usar</translation>
    </message>
    <message>
        <source>the weather source MON reports</source>
        <translation>la fuente del WX MON informa</translation>
    </message>
    <message>
        <source>the weather source Pro2 cannot be used</source>
        <translation>la fuente del WX Pro2 no se puede usar</translation>
    </message>
    <message>
        <source>the weather source Pro2 reports</source>
        <translation>la fuente del WX Pro2 informa</translation>
    </message>
    <message>
        <source>the weather source W23 cannot be used</source>
        <translation>la fuente del WX W23 no se puede usar</translation>
    </message>
    <message>
        <source>the weather source W23 reports</source>
        <translation>la fuente del WX W23 informa</translation>
    </message>
    <message>
        <source>the weather source W28 cannot be used</source>
        <translation>la fuente del WX W28 no se puede usar</translation>
    </message>
    <message>
        <source>the weather source W28 reports</source>
        <translation>la fuente del WX W28 informa</translation>
    </message>
    <message>
        <source>transmitter</source>
        <translation>transmisor</translation>
    </message>
    <message>
        <source>unknown key</source>
        <translation>clave desconocida</translation>
    </message>
    <message>
        <source>unknown source</source>
        <translation>fuente desconocida</translation>
    </message>
    <message>
        <source>variable</source>
        <translation>variable</translation>
    </message>
    <message>
        <source>viento</source>
        <translation>Viento</translation>
    </message>
    <message>
        <source>weather</source>
        <translation>WX</translation>
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
        <translation>¿Hay una nueva versión disponible?</translation>
    </message>
</context>
</TS>
