<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BytesText</name>
    <message>
        <source>bytes</source>
        <translation>bytes</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>kB</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>MB</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>GB</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>TB</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>PB</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>EB</translation>
    </message>
</context>
<context>
    <name>CostText</name>
    <message>
        <source>%1 seconds</source>
        <translation>%1 segundos</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutos</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 horas</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 días</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 entre %1</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed, about %6 at the view&apos;s speed of %7 generations a second and a generation log of about %8.</source>
        <translation>Partiendo de una primera cadena aleatoria de esta longitud: de media %1 generaciones (la mitad de las ejecuciones necesitan como mucho %2, nueve de cada diez como mucho %3), %4 cadenas, aproximadamente %5 en este ordenador a toda velocidad, aproximadamente %6 a la velocidad de la vista, de %7 generaciones por segundo, y un registro de generaciones de aproximadamente %8.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed and a generation log of about %6.</source>
        <translation>Partiendo de una primera cadena aleatoria de esta longitud: de media %1 generaciones (la mitad de las ejecuciones necesitan como mucho %2, nueve de cada diez como mucho %3), %4 cadenas, aproximadamente %5 en este ordenador a toda velocidad y un registro de generaciones de aproximadamente %6.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 at the view&apos;s speed of %6 generations a second and a generation log of about %7.</source>
        <translation>Partiendo de una primera cadena aleatoria de esta longitud: de media %1 generaciones (la mitad de las ejecuciones necesitan como mucho %2, nueve de cada diez como mucho %3), %4 cadenas, aproximadamente %5 a la velocidad de la vista, de %6 generaciones por segundo, y un registro de generaciones de aproximadamente %7.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings and a generation log of about %5.</source>
        <translation>Partiendo de una primera cadena aleatoria de esta longitud: de media %1 generaciones (la mitad de las ejecuciones necesitan como mucho %2, nueve de cada diez como mucho %3), %4 cadenas y un registro de generaciones de aproximadamente %5.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings.</source>
        <translation>Partiendo de una primera cadena aleatoria de esta longitud: de media %1 generaciones (la mitad de las ejecuciones necesitan como mucho %2, nueve de cada diez como mucho %3), %4 cadenas.</translation>
    </message>
</context>
<context>
    <name>DistributionChart</name>
    <message>
        <source>the %1st percentile</source>
        <translation>el percentil %1</translation>
    </message>
    <message>
        <source>the %1nd percentile</source>
        <translation>el percentil %1</translation>
    </message>
    <message>
        <source>the %1rd percentile</source>
        <translation>el percentil %1</translation>
    </message>
    <message>
        <source>the %1th percentile</source>
        <translation>el percentil %1</translation>
    </message>
    <message>
        <source>27^%1 = %2 strings expected, %3 generations of 20</source>
        <translation>27^%1 = %2 cadenas previstas, %3 generaciones de 20</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>media</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>tu predicción</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Búsqueda ciega</translation>
    </message>
    <message>
        <source>Generations per run (logarithmic scale)</source>
        <translation>Generaciones por ejecución (escala logarítmica)</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Generaciones por ejecución</translation>
    </message>
    <message>
        <source>Bars: the share of runs that took so many generations, hatched for each scheme</source>
        <translation>Barras: la proporción de ejecuciones que necesitaron tantas generaciones, con un rayado propio para cada esquema</translation>
    </message>
    <message>
        <source>The line: what chance predicts for a very great number of runs (the exact law)</source>
        <translation>La línea: lo que predice el azar para un número muy grande de ejecuciones (la ley exacta)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted), your guess (dash-dotted)</source>
        <translation>Marcas: media (continua), mediana (discontinua), 10% y 90% de las ejecuciones (punteada), tu predicción (de trazo y punto)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted)</source>
        <translation>Marcas: media (continua), mediana (discontinua), 10% y 90% de las ejecuciones (punteada)</translation>
    </message>
    <message>
        <source>%1: no run finished</source>
        <translation>%1: ninguna ejecución terminada</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 run(s)</source>
        <translation>
            <numerusform>%1: %2 ejecución</numerusform>
            <numerusform>%1: %2 ejecuciones</numerusform>
        </translation>
    </message>
    <message>
        <source>Strings per run beside a blind search (logarithmic scale)</source>
        <translation>Cadenas por ejecución frente a una búsqueda ciega (escala logarítmica)</translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Tu predicción de %1 está por debajo de todas las ejecuciones: 0 de cada 100 ejecuciones necesitan como mucho %1 generación</numerusform>
            <numerusform>Tu predicción de %1 está por debajo de todas las ejecuciones: 0 de cada 100 ejecuciones necesitan como mucho %1 generaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Tu predicción de %1 está por debajo del percentil 1: menos de 1 de cada 100 ejecuciones necesita como mucho %1 generación</numerusform>
            <numerusform>Tu predicción de %1 está por debajo del percentil 1: menos de 1 de cada 100 ejecuciones necesita como mucho %1 generaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Tu predicción de %1 está por encima de todas las ejecuciones: 100 de cada 100 ejecuciones necesitan como mucho %1 generación</numerusform>
            <numerusform>Tu predicción de %1 está por encima de todas las ejecuciones: 100 de cada 100 ejecuciones necesitan como mucho %1 generaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Tu predicción de %1 está por encima del percentil 99: más de 99 de cada 100 ejecuciones necesitan como mucho %1 generación</numerusform>
            <numerusform>Tu predicción de %1 está por encima del percentil 99: más de 99 de cada 100 ejecuciones necesitan como mucho %1 generaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generation(s)</source>
        <translation>
            <numerusform>Tu predicción de %1 está en el percentil 1: 1 de cada 100 ejecuciones necesita como mucho %1 generación</numerusform>
            <numerusform>Tu predicción de %1 está en el percentil 1: 1 de cada 100 ejecuciones necesita como mucho %1 generaciones</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Tu predicción de %1 está en %2: %3 de cada 100 ejecuciones necesitan como mucho %1 generación</numerusform>
            <numerusform>Tu predicción de %1 está en %2: %3 de cada 100 ejecuciones necesitan como mucho %1 generaciones</numerusform>
        </translation>
    </message>
    <message>
        <source>Generations per run for &quot;%1&quot;: %2, %3 of %4 runs, interrupted, %5</source>
        <translation>Generaciones por ejecución para «%1»: %2, %3 de %4 ejecuciones, tanda interrumpida, %5</translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s) each, %4</source>
        <translation>
            <numerusform>Generaciones por ejecución para «%1»: %2, %3 ejecución de cada uno, %4</numerusform>
            <numerusform>Generaciones por ejecución para «%1»: %2, %3 ejecuciones de cada uno, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s), %4</source>
        <translation>
            <numerusform>Generaciones por ejecución para «%1»: %2, %3 ejecución, %4</numerusform>
            <numerusform>Generaciones por ejecución para «%1»: %2, %3 ejecuciones, %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>no se pudo empezar el dibujo</translation>
    </message>
    <message>
        <source>give a file name ending in .png or .svg</source>
        <translation>indica un nombre de archivo terminado en .png o .svg</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Typing your phrase</source>
        <translation>Escribir tu frase</translation>
    </message>
    <message>
        <source>What a target string is</source>
        <translation>Qué es una cadena objetivo</translation>
    </message>
    <message>
        <source>What &quot;Step Two&quot; measures</source>
        <translation>Qué mide el «Paso dos»</translation>
    </message>
    <message>
        <source>Why a blind search is hopeless</source>
        <translation>Por qué una búsqueda ciega está condenada al fracaso</translation>
    </message>
    <message>
        <source>What &quot;Step Three&quot; does</source>
        <translation>Qué hace el «Paso tres»</translation>
    </message>
    <message>
        <source>Why the best random string still gets few letters right</source>
        <translation>Por qué la mejor cadena aleatoria acierta aun así pocas letras</translation>
    </message>
    <message>
        <source>What &quot;Step Four&quot; does</source>
        <translation>Qué hace el «Paso cuatro»</translation>
    </message>
    <message>
        <source>Scheme 1: attenuating selection</source>
        <translation>Esquema 1: selección atenuante</translation>
    </message>
    <message>
        <source>Scheme 2: serial selection</source>
        <translation>Esquema 2: selección en serie</translation>
    </message>
    <message>
        <source>Scheme 3: sequential selection</source>
        <translation>Esquema 3: selección secuencial</translation>
    </message>
    <message>
        <source>The generation log</source>
        <translation>El registro de generaciones</translation>
    </message>
</context>
<context>
    <name>NumberDecimal</name>
    <message>
        <source>.</source>
        <translation>,</translation>
    </message>
</context>
<context>
    <name>NumberThousands</name>
    <message>
        <source>,</source>
        <translation>.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder cannot be written.</source>
        <translation>No se puede escribir en la carpeta.</translation>
    </message>
    <message>
        <source>The lock file could not be written.</source>
        <translation>No se pudo escribir el archivo de bloqueo.</translation>
    </message>
    <message>
        <source>The folder could not be removed.</source>
        <translation>No se pudo eliminar la carpeta.</translation>
    </message>
    <message>
        <source>The folder is no longer empty, so it was not removed.</source>
        <translation>La carpeta ya no está vacía, así que no se eliminó.</translation>
    </message>
    <message>
        <source>an empty folder</source>
        <translation>una carpeta vacía</translation>
    </message>
    <message>
        <source>a folder holding one file or folder</source>
        <translation>una carpeta que contiene un archivo o carpeta</translation>
    </message>
    <message>
        <source>a folder holding %1 files or folders</source>
        <translation>una carpeta que contiene %1 archivos o carpetas</translation>
    </message>
    <message>
        <source>a link to %1, which does not exist</source>
        <translation>un enlace a %1, que no existe</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un enlace a %1</translation>
    </message>
    <message>
        <source>a special file (a device, a pipe or a socket)</source>
        <translation>un archivo especial (un dispositivo, una tubería o un socket)</translation>
    </message>
    <message>
        <source>Where the lock file of the generation log goes, there is %1. No Quarrow window made it, and no run can lock the log while it is there.

Lock file: %2</source>
        <translation>Donde va el archivo de bloqueo del registro de generaciones hay %1. No lo creó ninguna ventana de Quarrow, y ninguna ejecución puede bloquear el registro mientras esté ahí.

Archivo de bloqueo: %2</translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation>%1 (proceso %2 en %3)</translation>
    </message>
    <message>
        <source>Another Quarrow window is running a selection and writing the generation log:
%1

The run was not started. Try again once that run has ended.

Lock file: %2</source>
        <translation>Otra ventana de Quarrow está ejecutando una selección y escribiendo el registro de generaciones:
%1

La ejecución no se inició. Vuelve a intentarlo cuando haya terminado esa ejecución.

Archivo de bloqueo: %2</translation>
    </message>
    <message>
        <source>It could not be removed: %1</source>
        <translation>No se pudo eliminar: %1</translation>
    </message>
    <message>
        <source>The run was not started. Move or remove it, then start the run again.</source>
        <translation>La ejecución no se inició. Muévelo o elimínalo y vuelve a iniciar la ejecución.</translation>
    </message>
    <message>
        <source>The generation log cannot be locked, so the run was not started: without the lock, another window could write the same log at the same time.

Folder: %1

%2</source>
        <translation>No se puede bloquear el registro de generaciones, así que la ejecución no se inició: sin el bloqueo, otra ventana podría escribir el mismo registro a la vez.

Carpeta: %1

%2</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>No iniciar</translation>
    </message>
    <message>
        <source>The generation log is locked by a Quarrow window on another computer:

computer %1, process %2, since %3

Lock file: %4

This computer cannot tell whether that window is still running. If it is, wait until its run has ended: removing the lock would let two runs write one log. If you are sure it is no longer running, remove the lock and start the run.</source>
        <translation>El registro de generaciones está bloqueado por una ventana de Quarrow en otro ordenador:

ordenador %1, proceso %2, desde %3

Archivo de bloqueo: %4

Este ordenador no puede saber si esa ventana sigue en marcha. Si lo está, espera a que termine su ejecución: quitar el bloqueo permitiría que dos ejecuciones escribieran en un mismo registro. Si tienes la certeza de que ya no está en marcha, quita el bloqueo e inicia la ejecución.</translation>
    </message>
    <message>
        <source>It is not running: remove the lock</source>
        <translation>No está en marcha: quitar el bloqueo</translation>
    </message>
    <message>
        <source>Remove the link and start the run? What it leads to stays.</source>
        <translation>¿Eliminar el enlace e iniciar la ejecución? Aquello a lo que apunta se conserva.</translation>
    </message>
    <message>
        <source>Remove it and start the run?</source>
        <translation>¿Eliminarlo e iniciar la ejecución?</translation>
    </message>
    <message>
        <source>Remove it and start the run</source>
        <translation>Eliminarlo e iniciar la ejecución</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>menos de un segundo</translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation>unos %1 minutos</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>aproximadamente %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 ya existe.
¿Quieres sustituirlo?</translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation>Imágenes PNG</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Dibujos SVG</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln second(s)</source>
        <translation>
            <numerusform>aproximadamente %Ln segundo</numerusform>
            <numerusform>aproximadamente %Ln segundos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quarrow</name>
    <message>
        <source>Quarrow 2.0</source>
        <translation>Quarrow 2.0</translation>
    </message>
    <message>
        <source>Tutorial steps</source>
        <translation>Pasos del tutorial</translation>
    </message>
    <message>
        <source>Step One</source>
        <translation>Paso uno</translation>
    </message>
    <message>
        <source>You Choose A Phrase</source>
        <translation>Tú eliges una frase</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instrucciones</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation>Flecha derecha</translation>
    </message>
    <message>
        <source>&amp;Explanation</source>
        <translation>&amp;Explicación</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicación</translation>
    </message>
    <message>
        <source>This is the &quot;target string&quot;, a.k.a. &quot;selection agent&quot;, a.k.a. &quot;fitness function.&quot; </source>
        <translation>Esta es la «cadena objetivo», también llamada «agente de selección» o «función de aptitud». </translation>
    </message>
    <message>
        <source>Type in your target string (to 50 characters; no numbers or punctuation)</source>
        <translation>Escribe tu cadena objetivo (hasta 50 caracteres; sin números ni puntuación)</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Texto1</translation>
    </message>
    <message>
        <source>In this box, type in a phrase of up to 50 letters and spaces.  No numbers or punctuation.  </source>
        <translation>En esta casilla, escribe una frase de hasta 50 letras y espacios.  Sin números ni signos de puntuación.  </translation>
    </message>
    <message>
        <source>Step Two</source>
        <translation>Paso dos</translation>
    </message>
    <message>
        <source>Finding How Many Random Strings of Equal Length Exist</source>
        <translation>Cuántas cadenas aleatorias de igual longitud existen</translation>
    </message>
    <message>
        <source>Number of random strings generated in one second</source>
        <translation>Cadenas aleatorias generadas en un segundo</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>I&amp;r</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Number of distinct strings of this length</source>
        <translation>Cadenas distintas de esta longitud</translation>
    </message>
    <message>
        <source>Estimated time for your computer to generate a string matching target string</source>
        <translation>Tiempo estimado para que tu ordenador genere una cadena igual a la cadena objetivo</translation>
    </message>
    <message>
        <source>Estimated time in seconds</source>
        <translation>Tiempo estimado en segundos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Estimated time in days</source>
        <translation>Tiempo estimado en días</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Estimated time in years</source>
        <translation>Tiempo estimado en años</translation>
    </message>
    <message>
        <source>year(s)</source>
        <translation>año(s)</translation>
    </message>
    <message>
        <source>Step Three</source>
        <translation>Paso tres</translation>
    </message>
    <message>
        <source>Let&apos;s Try to Match Target String Randomly</source>
        <translation>Intentemos igualar la cadena objetivo al azar</translation>
    </message>
    <message>
        <source>Number of Strings to Generate:</source>
        <translation>Número de cadenas que generar:</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>The best match for your target string...</source>
        <translation>Lo más parecido a tu cadena objetivo...</translation>
    </message>
    <message>
        <source>...was this random string selected from the number of strings you requested</source>
        <translation>...fue esta cadena aleatoria, elegida entre las cadenas que pediste</translation>
    </message>
    <message>
        <source>Number Correct:</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>The time it took to generate and evaluate this string was...</source>
        <translation>El tiempo que costó generar y evaluar esta cadena fue...</translation>
    </message>
    <message>
        <source>Step Four</source>
        <translation>Paso cuatro</translation>
    </message>
    <message>
        <source>Let&apos;s Try Some Natural Selection</source>
        <translation>Probemos la selección natural</translation>
    </message>
    <message>
        <source>Your Target String:</source>
        <translation>Tu cadena objetivo:</translation>
    </message>
    <message>
        <source>Initial string (randomly generated by computer):</source>
        <translation>Cadena inicial (generada al azar por el ordenador):</translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation>Generar cadenas al azar</translation>
    </message>
    <message>
        <source>&amp;Gen Explanation</source>
        <translation>Explicación &amp;gen.</translation>
    </message>
    <message>
        <source>Gen Explanation</source>
        <translation>Explicación gen.</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Flecha abajo</translation>
    </message>
    <message>
        <source>Final match was found in this generation:</source>
        <translation>Se logró la coincidencia en la generación:</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Separador</translation>
    </message>
    <message>
        <source>Selection scheme</source>
        <translation>Esquema de selección</translation>
    </message>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1: Selección atenuante</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2: Selección en serie</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3: Selección secuencial</translation>
    </message>
    <message>
        <source>Checking this many total strings (20 each generation):</source>
        <translation>Total de cadenas comprobadas (20 por generación):</translation>
    </message>
    <message>
        <source>In this many seconds:</source>
        <translation>Segundos empleados:</translation>
    </message>
    <message>
        <source>&amp;View Text File</source>
        <translation>&amp;Ver archivo</translation>
    </message>
    <message>
        <source>View Text File</source>
        <translation>Ver archivo</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
</context>
<context>
    <name>Scheme</name>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1: Selección atenuante</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2: Selección en serie</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3: Selección secuencial</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; each wrong letter changes only to a nearer one</source>
        <translation>el descendiente número 20 pasa a ser el progenitor; cada letra errónea solo cambia por otra más cercana</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; right letters are kept, wrong ones redrawn</source>
        <translation>el descendiente número 20 pasa a ser el progenitor; las letras correctas se conservan y las erróneas se vuelven a sortear</translation>
    </message>
    <message>
        <source>each offspring copies the target&apos;s first letters, one more for every hit before it in this generation; the rest are drawn, and each hit is marked</source>
        <translation>cada descendiente copia las primeras letras del objetivo, una más por cada acierto anterior en esta generación; el resto se sortea y cada acierto se marca</translation>
    </message>
</context>
<context>
    <name>SearchPages</name>
    <message>
        <source>This makes strings several times more slowly than &quot;Step Two&quot; measured: before every letter, the random generator is started afresh from the clock.</source>
        <translation>Así se generan las cadenas varias veces más despacio de lo que midió el «Paso dos»: antes de cada letra, el generador aleatorio se reinicia a partir del reloj.</translation>
    </message>
    <message>
        <source>Strings made: %1 of %2
Best so far: %3 of %4 letters right
%5</source>
        <translation>Cadenas generadas: %1 de %2
La mejor hasta ahora: %3 de %4 letras correctas
%5</translation>
    </message>
    <message>
        <source>The number of strings to generate is too large. One trial makes at most %1 strings; please enter a smaller number.</source>
        <translation>El número de cadenas que generar es demasiado grande. Una prueba genera como mucho %1 cadenas; escribe un número menor.</translation>
    </message>
    <message>
        <source>Matching the target at random</source>
        <translation>Igualando el objetivo al azar</translation>
    </message>
    <message>
        <source>Strings made: 0 of %1
%2</source>
        <translation>Cadenas generadas: 0 de %1
%2</translation>
    </message>
    <message>
        <source>The trial failed and was stopped: %1.</source>
        <translation>La prueba falló y se detuvo: %1.</translation>
    </message>
    <message>
        <source>The trial was cancelled after %1 of %2 strings. The boxes show the best string made until then.</source>
        <translation>La prueba se canceló tras %1 de %2 cadenas. Las casillas muestran la mejor cadena generada hasta entonces.</translation>
    </message>
</context>
<context>
    <name>SelectionPage</name>
    <message>
        <source>Sequential selection copies the leading letters of the target into every offspring, so the first string cannot be longer than the target.</source>
        <translation>La selección secuencial copia las letras iniciales del objetivo en cada descendiente, así que la primera cadena no puede ser más larga que el objetivo.</translation>
    </message>
    <message>
        <source>Sequential selection scores its random letters against the first string, place by place, so the first string must be as long as the target.</source>
        <translation>La selección secuencial puntúa sus letras aleatorias comparándolas con la primera cadena, posición a posición, así que la primera cadena debe ser tan larga como el objetivo.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length.</source>
        <translation>Sal de la casilla del objetivo para obtener una nueva primera cadena de su longitud.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length, or type one.</source>
        <translation>Sal de la casilla del objetivo para obtener una nueva primera cadena de su longitud, o escribe una.</translation>
    </message>
    <message>
        <source>%1 The first string has %2 characters and the target %3.

%4</source>
        <translation>%1 La primera cadena tiene %2 caracteres y el objetivo %3.

%4</translation>
    </message>
    <message>
        <source>The target</source>
        <translation>El objetivo</translation>
    </message>
    <message>
        <source>The first string</source>
        <translation>La primera cadena</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot; at position %3, which is neither a capital letter A to Z nor a space. No random string can ever match it, so the run would never end.

Please use only the letters A to Z and spaces.</source>
        <translation>%1 contiene «%2» en la posición %3, que no es ni una letra mayúscula de la A a la Z ni un espacio. Ninguna cadena aleatoria podrá igualarlo nunca, así que la ejecución no terminaría jamás.

Usa solo las letras de la A a la Z y espacios.</translation>
    </message>
    <message>
        <source>This run of scheme 3 is likely to be long. Each generation finishes the run with a chance of %1, so a run needs:

%2</source>
        <translation>Es probable que esta ejecución del esquema 3 sea larga. Cada generación termina la ejecución con una probabilidad de %1, así que una ejecución necesita:

%2</translation>
    </message>
    <message>
        <source>The drive of the generation log has only %1 free, less than the log is expected to need: the run would stop when the drive is full.</source>
        <translation>A la unidad del registro de generaciones solo le quedan %1 libres, menos de lo que se espera que necesite el registro: la ejecución se detendría al llenarse la unidad.</translation>
    </message>
    <message>
        <source>Cancel stops the run at any time. Start it?</source>
        <translation>Cancelar detiene la ejecución en cualquier momento. ¿Iniciarla?</translation>
    </message>
    <message>
        <source>Start the run</source>
        <translation>Iniciar la ejecución</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>No iniciar</translation>
    </message>
    <message>
        <source>The folder of the generation log cannot be created:
%1

The run was not started.</source>
        <translation>No se puede crear la carpeta del registro de generaciones:
%1

La ejecución no se inició.</translation>
    </message>
    <message>
        <source>The run failed and was stopped: %1.

The generation log holds every generation written until then.</source>
        <translation>La ejecución falló y se detuvo: %1.

El registro de generaciones contiene todas las generaciones escritas hasta entonces.</translation>
    </message>
    <message>
        <source>The run was stopped in generation %1, before a match was found. The time and strings boxes show the counts until then; the generation box stays empty, as no match was found. The generation log holds every finished generation.</source>
        <translation>La ejecución se detuvo en la generación %1, antes de encontrar una coincidencia. Las casillas de tiempo y de cadenas muestran los recuentos hasta entonces; la casilla de generación se queda vacía, porque no se encontró ninguna coincidencia. El registro de generaciones contiene todas las generaciones terminadas.</translation>
    </message>
    <message>
        <source>The generation log could not be written, so the run was stopped.

%1</source>
        <translation>No se pudo escribir el registro de generaciones, así que la ejecución se detuvo.

%1</translation>
    </message>
    <message>
        <source>The run is still writing the generation log. It can be viewed once the run has finished or been cancelled.</source>
        <translation>La ejecución sigue escribiendo el registro de generaciones. Podrás verlo cuando la ejecución haya terminado o se haya cancelado.</translation>
    </message>
    <message>
        <source>There is no generation log yet: the first run of &quot;Go&quot; on this page writes it, to
%1</source>
        <translation>Todavía no hay registro de generaciones: la primera ejecución de «Ir» en esta página lo escribe, en
%1</translation>
    </message>
    <message>
        <source>The generation log is %1 (%2 bytes), too large for many text editors to open comfortably. Open the folder that holds it instead?

%3</source>
        <translation>El registro de generaciones ocupa %1 (%2 bytes), demasiado para que muchos editores de texto lo abran con comodidad. ¿Abrir en su lugar la carpeta que lo contiene?

%3</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Abrir de todos modos</translation>
    </message>
    <message>
        <source>The folder of the generation log could not be opened. It is
%1</source>
        <translation>No se pudo abrir la carpeta del registro de generaciones. Está en
%1</translation>
    </message>
    <message>
        <source>No text editor could be started for the generation log. Open it with an editor of your choice; it is
%1</source>
        <translation>No se pudo iniciar ningún editor de texto para el registro de generaciones. Ábrelo con el editor que prefieras; está en
%1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation>Copiar enlace</translation>
    </message>
    <message>
        <source>Copy a link to this phrase, step and scheme</source>
        <translation>Copiar un enlace a esta frase, este paso y este esquema</translation>
    </message>
    <message>
        <source>The link to this set-up is on the clipboard:
%1</source>
        <translation>El enlace a esta configuración está en el portapapeles:
%1</translation>
    </message>
    <message>
        <source>The link could not be put on the clipboard. Copy it from here:
%1</source>
        <translation>No se pudo poner el enlace en el portapapeles. Cópialo desde aquí:
%1</translation>
    </message>
    <message>
        <source>The link&apos;s seed &quot;%1&quot; was ignored: a seed is a whole number from 0 to %2.</source>
        <translation>Se ignoró la semilla «%1» del enlace: una semilla es un número entero de 0 a %2.</translation>
    </message>
    <message>
        <source>The link&apos;s step &quot;%1&quot; was ignored: the steps are 1 to 4.</source>
        <translation>Se ignoró el paso «%1» del enlace: los pasos van del 1 al 4.</translation>
    </message>
    <message>
        <source>The link&apos;s scheme &quot;%1&quot; was ignored: the schemes are %2.</source>
        <translation>Se ignoró el esquema «%1» del enlace: los esquemas son %2.</translation>
    </message>
    <message>
        <source>The link&apos;s phrase was ignored: it is longer than %1 characters.</source>
        <translation>Se ignoró la frase del enlace: tiene más de %1 caracteres.</translation>
    </message>
    <message>
        <source>and</source>
        <translation>y</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not one this page knows, and was ignored.</source>
        <translation>Esta página no conoce el ajuste «%1» del enlace, así que se ignoró.</translation>
    </message>
    <message>
        <source>Seeded with %1: every result repeats exactly, as quarrow-lab&apos;s with --seed %1.</source>
        <translation>Con la semilla %1: cada resultado se repite exactamente, como los de quarrow-lab con --seed %1.</translation>
    </message>
    <message>
        <source>Evolving the target</source>
        <translation>Evolucionando hacia el objetivo</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right, %4 strings made</source>
        <translation>Generación %1: %2 de %3 letras correctas, %4 cadenas generadas</translation>
    </message>
    <message>
        <source>Measuring how many strings this computer makes in a second…</source>
        <translation>Midiendo cuántas cadenas genera este ordenador en un segundo…</translation>
    </message>
    <message>
        <source>Generation log</source>
        <translation>Registro de generaciones</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Descargar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>The log is %1; this shows its first %2. Download it to read it whole.</source>
        <translation>El registro ocupa %1; aquí se muestran sus primeros %2. Descárgalo para leerlo entero.</translation>
    </message>
    <message>
        <source>generation.log, in this browser&apos;s storage for the page</source>
        <translation>generation.log, en el almacenamiento de este navegador para la página</translation>
    </message>
    <message>
        <source>The generation log could not be read: %1</source>
        <translation>No se pudo leer el registro de generaciones: %1</translation>
    </message>
    <message>
        <source>Another tab or window of this browser is running a selection with Quarrow and writing the generation log.

The run was not started. Try again once that run has ended.</source>
        <translation>Otra pestaña o ventana de este navegador está ejecutando una selección con Quarrow y escribiendo el registro de generaciones.

La ejecución no se inició. Vuelve a intentarlo cuando haya terminado esa ejecución.</translation>
    </message>
    <message>
        <source>This browser cannot keep a generation log for the page (%1), so the run was not started.</source>
        <translation>Este navegador no puede guardar un registro de generaciones para la página (%1), así que la ejecución no se inició.</translation>
    </message>
    <message>
        <source>Quarrow has ended. Reload the page to start it again.</source>
        <translation>Quarrow ha terminado. Recarga la página para volver a iniciarlo.</translation>
    </message>
    <message>
        <source>Quarrow could not start in this browser: %1</source>
        <translation>Quarrow no pudo iniciarse en este navegador: %1</translation>
    </message>
    <message>
        <source>This browser does not let the page hold a run in its worker, so the run goes at full speed: Pause, Step and the slower speeds need the page served with cross-origin isolation.</source>
        <translation>Este navegador no deja que la página retenga una ejecución en su worker, así que va a toda velocidad: «Pausa», «Avanzar» y las velocidades más lentas necesitan que la página se sirva con aislamiento de origen cruzado.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is ready.</source>
        <translation>Hay una nueva versión de Quarrow lista.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is in use in another tab or window.</source>
        <translation>Una nueva versión de Quarrow está en uso en otra pestaña o ventana.</translation>
    </message>
    <message>
        <source>Use it now</source>
        <translation>Usarla ahora</translation>
    </message>
    <message>
        <source>Reload the page with the new version, keeping the phrase, step and scheme</source>
        <translation>Vuelve a cargar la página con la nueva versión, conservando la frase, el paso y el esquema</translation>
    </message>
    <message>
        <source>It can be used once the task under way has finished or been cancelled.</source>
        <translation>Podrá usarse cuando la tarea en curso termine o se cancele.</translation>
    </message>
    <message>
        <source>%1: mean %2 generations, median %3, 10% of runs at most %4, 90% at most %5; the exact law&apos;s mean is %6.</source>
        <translation>%1: media %2 generaciones, mediana %3, el 10 % de las ejecuciones como mucho %4, el 90 % como mucho %5; la media de la ley exacta es %6.</translation>
    </message>
    <message>
        <source>Runs done: %1 of %2</source>
        <translation>Ejecuciones hechas: %1 de %2</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Guardar gráfico como PNG</translation>
    </message>
    <message>
        <source>Save chart as SVG</source>
        <translation>Guardar gráfico como SVG</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The link&apos;s language &quot;%1&quot; was ignored: the languages are %2.</source>
        <translation>El idioma &quot;%1&quot; del enlace se ignoró: los idiomas son %2.</translation>
    </message>
</context>
<context>
    <name>quarrow::BlindSearchLane</name>
    <message>
        <source>Blind search found the target at string %1; on average a blind search needs %2 = %3 strings to match it.</source>
        <translation>La búsqueda ciega encontró el objetivo en la cadena %1; de media, una búsqueda ciega necesita %2 = %3 cadenas para igualarlo.</translation>
    </message>
    <message>
        <source>Blind search made %1 strings; its best has %2 of %3 letters right. Matching all %3 would take on average %4 = %5 strings</source>
        <translation>La búsqueda ciega generó %1 cadenas; la mejor tiene %2 de %3 letras correctas. Acertar las %3 necesitaría de media %4 = %5 cadenas</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 años</translation>
    </message>
    <message>
        <source>: about %1 at this computer&apos;s rate.</source>
        <translation>: aproximadamente %1 al ritmo de este ordenador.</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Búsqueda ciega</translation>
    </message>
    <message>
        <source>Blind search:</source>
        <translation>Búsqueda ciega:</translation>
    </message>
    <message>
        <source>Blind search&apos;s best string</source>
        <translation>Mejor cadena de la búsqueda ciega</translation>
    </message>
    <message>
        <source>found the target at string %1</source>
        <translation>encontró el objetivo en la cadena %1</translation>
    </message>
    <message>
        <source>%1 of %2 right; %3 strings</source>
        <translation>%1 de %2 correctas; %3 cadenas</translation>
    </message>
</context>
<context>
    <name>quarrow::DistributionChartWidget</name>
    <message>
        <source>Chart of generations per run</source>
        <translation>Gráfico de generaciones por ejecución</translation>
    </message>
    <message>
        <source>The table below the chart holds its figures.</source>
        <translation>La tabla bajo el gráfico contiene sus cifras.</translation>
    </message>
    <message>
        <source>The chart appears once runs are done.</source>
        <translation>El gráfico aparece cuando terminan las ejecuciones.</translation>
    </message>
</context>
<context>
    <name>quarrow::EvolutionView</name>
    <message>
        <source>Step Four: %1</source>
        <translation>Paso cuatro: %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Previsto: %1</translation>
    </message>
    <message>
        <source>Expected: %1
Chance that the next generation finishes the run: %2, the same for every generation however many have failed before it.</source>
        <translation>Previsto: %1
Probabilidad de que la siguiente generación termine la ejecución: %2, la misma para cada generación, por muchas que hayan fallado antes.</translation>
    </message>
    <message>
        <source>Run finished.</source>
        <translation>Ejecución terminada.</translation>
    </message>
    <message>
        <source>Offspring %1 of generation %2 drew the last hit: every letter of the target is now locked.</source>
        <translation>El descendiente %1 de la generación %2 sacó el último acierto: todas las letras del objetivo están ya fijadas.</translation>
    </message>
    <message>
        <source>Generation %1 drew the last hit: every letter of the target is now locked.</source>
        <translation>La generación %1 sacó el último acierto: todas las letras del objetivo están ya fijadas.</translation>
    </message>
    <message>
        <source>The parent matched the target in generation %1.</source>
        <translation>El progenitor igualó el objetivo en la generación %1.</translation>
    </message>
    <message>
        <source>Run stopped: the log could not be written.</source>
        <translation>Ejecución detenida: no se pudo escribir el registro.</translation>
    </message>
    <message>
        <source>Run refused.</source>
        <translation>Ejecución rechazada.</translation>
    </message>
    <message>
        <source>less than 1%</source>
        <translation>menos del 1%</translation>
    </message>
    <message>
        <source>more than 99%</source>
        <translation>más del 99%</translation>
    </message>
    <message>
        <source>No generation was finished.</source>
        <translation>No se terminó ninguna generación.</translation>
    </message>
    <message>
        <source>The run is still going on. Do you want to cancel it?

The log keeps every generation finished so far.</source>
        <translation>La ejecución sigue en marcha. ¿Quieres cancelarla?

El registro conserva todas las generaciones terminadas hasta ahora.</translation>
    </message>
    <message>
        <source>Cancel the run</source>
        <translation>Cancelar la ejecución</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Dejar que siga</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Generación: %1</translation>
    </message>
    <message>
        <source>Strings made: %1</source>
        <translation>Cadenas generadas: %1</translation>
    </message>
    <message>
        <source>Letters matched: %1 of %2</source>
        <translation>Letras acertadas: %1 de %2</translation>
    </message>
    <message>
        <source>Best of the run: %1 of %2</source>
        <translation>Mejor de la ejecución: %1 de %2</translation>
    </message>
    <message>
        <source>Generations per second: %1</source>
        <translation>Generaciones por segundo: %1</translation>
    </message>
    <message>
        <source>Elapsed seconds: %1</source>
        <translation>Segundos transcurridos: %1</translation>
    </message>
    <message>
        <source>Computing seconds: %1</source>
        <translation>Segundos de cálculo: %1</translation>
    </message>
    <message>
        <source>Log file size: %1</source>
        <translation>Tamaño del archivo de registro: %1</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters matched, the run&apos;s best %4</source>
        <translation>Generación %1: %2 de %3 letras acertadas, la mejor de la ejecución %4</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right</source>
        <translation>Generación %1: %2 de %3 letras correctas</translation>
    </message>
    <message>
        <source>Letters right by generation for &quot;%1&quot;: %2, 1 run from &quot;%3&quot;</source>
        <translation>Letras correctas por generación para «%1»: %2, 1 ejecución desde «%3»</translation>
    </message>
    <message>
        <source>Back to the run</source>
        <translation>Volver a la ejecución</translation>
    </message>
    <message>
        <source>Shows the run&apos;s letters and chart again</source>
        <translation>Vuelve a mostrar las letras y el gráfico de la ejecución</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>The data could not be written to %1:
%2

The view keeps it; choose another place and save again.</source>
        <translation>No se pudieron escribir los datos en %1:
%2

La vista los conserva; elige otro lugar y vuelve a guardar.</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>The chart could not be written to %1:
%2</source>
        <translation>No se pudo escribir el gráfico en %1:
%2</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 generation(s).</source>
        <translation>
            <numerusform>Cancelada tras %1 generación.</numerusform>
            <numerusform>Cancelada tras %1 generaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This run took %1 generation(s); %2 of runs take at most that many.</source>
        <translation>
            <numerusform>Esta ejecución necesitó %1 generación; %2 de las ejecuciones no necesitan más.</numerusform>
            <numerusform>Esta ejecución necesitó %1 generaciones; %2 de las ejecuciones no necesitan más.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation(s); the run&apos;s best rose to %5.</source>
        <translation>
            <numerusform>El prefijo que alcanzó cada generación pasó de %1 a %2 letras de %3 en %4 generación; el mejor de la ejecución subió a %5.</numerusform>
            <numerusform>El prefijo que alcanzó cada generación pasó de %1 a %2 letras de %3 en %4 generaciones; el mejor de la ejecución subió a %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right stayed at %1 of %2 for %3 generation(s).</source>
        <translation>
            <numerusform>Las letras correctas se mantuvieron en %1 de %2 durante %3 generación.</numerusform>
            <numerusform>Las letras correctas se mantuvieron en %1 de %2 durante %3 generaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right rose from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Las letras correctas subieron de %1 a %2 de %3 en %4 generación.</numerusform>
            <numerusform>Las letras correctas subieron de %1 a %2 de %3 en %4 generaciones.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right fell from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Las letras correctas bajaron de %1 a %2 de %3 en %4 generación.</numerusform>
            <numerusform>Las letras correctas bajaron de %1 a %2 de %3 en %4 generaciones.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::FitnessChart</name>
    <message>
        <source>Prefix reached (solid line)</source>
        <translation>Prefijo alcanzado (línea continua)</translation>
    </message>
    <message>
        <source>Letters right</source>
        <translation>Letras correctas</translation>
    </message>
    <message>
        <source>Best of the run (dashed line)</source>
        <translation>Mejor de la ejecución (a trazos)</translation>
    </message>
    <message>
        <source>Letters matched</source>
        <translation>Letras acertadas</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generación</translation>
    </message>
    <message>
        <source>Generation (logarithmic)</source>
        <translation>Generación (escala logarítmica)</translation>
    </message>
    <message>
        <source>Prefix each generation reached, and the run&apos;s best</source>
        <translation>Prefijo que alcanzó cada generación y el mejor de la ejecución</translation>
    </message>
    <message>
        <source>Letters right by generation</source>
        <translation>Letras correctas por generación</translation>
    </message>
    <message>
        <source>The curve fills in as the run goes on.</source>
        <translation>La curva se va completando a medida que avanza la ejecución.</translation>
    </message>
</context>
<context>
    <name>quarrow::HelpViewer</name>
    <message>
        <source>Quarrow Help</source>
        <translation>Ayuda de Quarrow</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Back to the previous topic (Alt+Left)</source>
        <translation>Volver al tema anterior (Alt+Izquierda)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Forward to the next topic (Alt+Right)</source>
        <translation>Ir al tema siguiente (Alt+Derecha)</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Temas de ayuda</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tema de ayuda</translation>
    </message>
    <message>
        <source>Quarrow Help: %1</source>
        <translation>Ayuda de Quarrow: %1</translation>
    </message>
</context>
<context>
    <name>quarrow::LettersPanel</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 correctas</translation>
    </message>
    <message>
        <source>%1; wrong at position %2</source>
        <translation>%1; errónea en la posición %2</translation>
    </message>
    <message>
        <source>%1; wrong at positions %2</source>
        <translation>%1; erróneas en las posiciones %2</translation>
    </message>
    <message>
        <source>%1, at position %2</source>
        <translation>%1, en la posición %2</translation>
    </message>
    <message>
        <source>%1, at positions %2</source>
        <translation>%1, en las posiciones %2</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Objetivo:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Scored against:</source>
        <translation>Se compara con:</translation>
    </message>
    <message>
        <source>First string, which the random tail is scored against</source>
        <translation>Primera cadena, con la que se compara la cola aleatoria</translation>
    </message>
    <message>
        <source>This generation:</source>
        <translation>Esta generación:</translation>
    </message>
    <message>
        <source>Last offspring of the generation</source>
        <translation>Último descendiente de la generación</translation>
    </message>
    <message>
        <source>Parent:</source>
        <translation>Progenitor:</translation>
    </message>
    <message>
        <source>Current parent</source>
        <translation>Progenitor actual</translation>
    </message>
    <message>
        <source>Each offspring copies the first letters of the target (blue: locked) and draws the rest at random. A drawn letter that equals the first string&apos;s letter at its place is a hit (green) and locks one more letter of the target for the next offspring. Every generation starts again with nothing locked.</source>
        <translation>Cada descendiente copia las primeras letras del objetivo (azul: fijadas) y sortea el resto al azar. Una letra sorteada que coincide con la letra de la primera cadena en su posición es un acierto (verde) y fija una letra más del objetivo para el siguiente descendiente. Cada generación vuelve a empezar sin nada fijado.</translation>
    </message>
    <message>
        <source>%1. Locked: %2, %3.</source>
        <translation>%1. Fijadas: %2, %3.</translation>
    </message>
    <message>
        <source>Hits in the random tail at positions %1.</source>
        <translation>Aciertos en la cola aleatoria en las posiciones %1.</translation>
    </message>
    <message>
        <source>%1 hits in the random tail.</source>
        <translation>%1 aciertos en la cola aleatoria.</translation>
    </message>
    <message>
        <source>%1 of %2 letters matched.</source>
        <translation>%1 de %2 letras acertadas.</translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln letter(s)</source>
        <translation>
            <numerusform>%Ln letra inicial</numerusform>
            <numerusform>%Ln letras iniciales</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::OffspringPanel</name>
    <message>
        <source>Offspring %1: %2, %3</source>
        <translation>Descendiente %1: %2, %3</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right</source>
        <translation>Descendiente %1: %2 de %3 correctas</translation>
    </message>
    <message>
        <source>Offspring of this generation</source>
        <translation>Descendientes de esta generación</translation>
    </message>
    <message>
        <source>Blue: copied from the target; green: a hit.</source>
        <translation>Azul: copiada del objetivo; verde: un acierto.</translation>
    </message>
    <message>
        <source>Offspring of generation %1</source>
        <translation>Descendientes de la generación %1</translation>
    </message>
    <message>
        <source>%1 copied, %2</source>
        <translation>%1 copiadas, %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>matches the target</source>
        <translation>igual al objetivo</translation>
    </message>
    <message>
        <source>next parent</source>
        <translation>próximo progenitor</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hit(s)</source>
        <translation>
            <numerusform>%Ln acierto</numerusform>
            <numerusform>%Ln aciertos</numerusform>
        </translation>
    </message>
    <message>
        <source>The 20th offspring always becomes the next parent, even when another offspring has more letters right.</source>
        <translation>El descendiente número 20 siempre pasa a ser el próximo progenitor, aunque otro descendiente tenga más letras correctas.</translation>
    </message>
    <message>
        <source>more letters right, but not chosen: the 20th offspring always is</source>
        <translation>más letras correctas, pero no elegido: siempre se elige el descendiente número 20</translation>
    </message>
    <message numerus="yes">
        <source>%Ln letter(s) copied</source>
        <translation>
            <numerusform>%Ln letra copiada</numerusform>
            <numerusform>%Ln letras copiadas</numerusform>
        </translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>no elegido</translation>
    </message>
    <message>
        <source>Bold, underlined: right; italic: changed; plain: kept; “%1”: %2.</source>
        <translation>Negrita y subrayada: correcta; cursiva: cambiada; normal: conservada; «%1»: %2.</translation>
    </message>
    <message>
        <source>Offspring %1: %2, %3, every letter now locked</source>
        <translation>Descendiente %1: %2, %3, todas las letras ya fijadas</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, matches the target</source>
        <translation>Descendiente %1: %2 de %3 correctas, igual al objetivo</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, next parent</source>
        <translation>Descendiente %1: %2 de %3 correctas, próximo progenitor</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, more letters right, but not chosen: the 20th offspring always is</source>
        <translation>Descendiente %1: %2 de %3 correctas, más letras correctas, pero no elegido: siempre se elige el descendiente número 20</translation>
    </message>
</context>
<context>
    <name>quarrow::Quarrow</name>
    <message>
        <source>A run is going on. Wait until it has finished, or cancel it, before you start another.</source>
        <translation>Hay una ejecución en marcha. Espera a que termine, o cancélala, antes de iniciar otra.</translation>
    </message>
    <message>
        <source>Opens the help topic &quot;%1&quot;</source>
        <translation>Abre el tema de ayuda «%1»</translation>
    </message>
</context>
<context>
    <name>quarrow::RepeatWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Iniciar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Guardar gráfico...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Guardar datos...</translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation>Repetir: %1</translation>
    </message>
    <message>
        <source>Runs of each scheme</source>
        <translation>Ejecuciones de cada esquema</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semilla</translation>
    </message>
    <message>
        <source>&amp;Runs of each scheme:</source>
        <translation>&amp;Ejecuciones de cada esquema:</translation>
    </message>
    <message>
        <source>Schemes:</source>
        <translation>Esquemas:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Semilla:</translation>
    </message>
    <message>
        <source>Your guess (generations)</source>
        <translation>Tu predicción (generaciones)</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Your &amp;guess (generations):</source>
        <translation>Tu &amp;predicción (generaciones):</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Figures of the runs</source>
        <translation>Cifras de las ejecuciones</translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>Runs finished</source>
        <translation>Ejecuciones terminadas</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>Desv. típica</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Mediana</translation>
    </message>
    <message>
        <source>10%</source>
        <translation>10%</translation>
    </message>
    <message>
        <source>90%</source>
        <translation>90%</translation>
    </message>
    <message>
        <source>Fewest</source>
        <translation>Mínimo</translation>
    </message>
    <message>
        <source>Most</source>
        <translation>Máximo</translation>
    </message>
    <message>
        <source>Exact law</source>
        <translation>Ley exacta</translation>
    </message>
    <message>
        <source>Generations per run, over the runs that finished. Exact law: what chance predicts for a very great number of runs, its mean and, in brackets, its 10%, median and 90%.</source>
        <translation>Generaciones por ejecución, sobre las ejecuciones terminadas. Ley exacta: lo que predice el azar para un número muy grande de ejecuciones; su media y, entre paréntesis, su 10%, su mediana y su 90%.</translation>
    </message>
    <message>
        <source>Measuring how fast this computer runs...</source>
        <translation>Midiendo la velocidad de este ordenador...</translation>
    </message>
    <message>
        <source>Choose at least one scheme.</source>
        <translation>Elige al menos un esquema.</translation>
    </message>
    <message>
        <source>Each scheme needs at least %1 runs, and at most %2; %3 are too few.</source>
        <translation>Cada esquema necesita al menos %1 ejecuciones y como mucho %2; %3 son demasiado pocas.</translation>
    </message>
    <message>
        <source>The batch failed (%1). The figures below are from the last batch that ran; Start tries again.</source>
        <translation>La tanda falló (%1). Las cifras de abajo son de la última tanda que se ejecutó; Iniciar lo vuelve a intentar.</translation>
    </message>
    <message>
        <source>its results are incomplete</source>
        <translation>sus resultados están incompletos</translation>
    </message>
    <message>
        <source>Generations per run, %1; the Exact law column gives the exact law&apos;s mean and, in brackets, its 10th percentile, median and 90th percentile.</source>
        <translation>Generaciones por ejecución, %1; la columna Ley exacta da la media de la ley exacta y, entre paréntesis, su percentil 10, su mediana y su percentil 90.</translation>
    </message>
    <message>
        <source>%1 (%2, %3, %4)</source>
        <translation>%1 (%2, %3, %4)</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Guardar gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>No se pudo guardar el gráfico en %1: %2.</translation>
    </message>
    <message>
        <source>Your guess must be a whole number of generations, such as 30. Leave the box empty to run without a guess.</source>
        <translation>Tu predicción debe ser un número entero de generaciones, como 30. Deja la casilla vacía para ejecutar sin predicción.</translation>
    </message>
    <message>
        <source>no batch has finished yet</source>
        <translation>todavía no ha terminado ninguna tanda</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Guardar datos</translation>
    </message>
    <message>
        <source>The data could not be saved to %1: %2. The window keeps it; choose another place and save again.</source>
        <translation>No se pudieron guardar los datos en %1: %2. La ventana los conserva; elige otro lugar y vuelve a guardar.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Archivos CSV</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>semilla %1</translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 will take %2 on %n core(s); fewer runs, or leaving it out, shortens that.</source>
        <translation>
            <numerusform>El esquema %1 tardará %2 en %n núcleo; con menos ejecuciones, o dejándolo fuera, se acorta.</numerusform>
            <numerusform>El esquema %1 tardará %2 en %n núcleos; con menos ejecuciones, o dejándolo fuera, se acorta.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 is left out: it would take %2 on %n core(s).</source>
        <translation>
            <numerusform>El esquema %1 queda fuera: tardaría %2 en %n núcleo.</numerusform>
            <numerusform>El esquema %1 queda fuera: tardaría %2 en %n núcleos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The other schemes take a moment.</source>
        <translation>Los demás esquemas tardan un momento.</translation>
    </message>
</context>
<context>
    <name>quarrow::RunProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>quarrow::TaskRunner</name>
    <message>
        <source>an unknown error</source>
        <translation>un error desconocido</translation>
    </message>
</context>
<context>
    <name>quarrow::ViewControls</name>
    <message>
        <source>Pause</source>
        <translation>Pausa</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Avanzar</translation>
    </message>
    <message>
        <source>Keep this window open after the run</source>
        <translation>Mantener esta ventana abierta tras la ejecución</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Guardar gráfico...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Guardar datos...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Repetir...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Holds the run after the generation it is in (Space)</source>
        <translation>Detiene la ejecución al acabar la generación en curso (Espacio)</translation>
    </message>
    <message>
        <source>Runs exactly one more generation while paused (Right arrow)</source>
        <translation>Ejecuta exactamente una generación más mientras está en pausa (flecha derecha)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Generations a second; slower than full speed, the view shows each generation&apos;s offspring. The choice holds for the next runs too.</source>
        <translation>Generaciones por segundo; por debajo de la velocidad máxima, la vista muestra los descendientes de cada generación. La elección vale también para las siguientes ejecuciones.</translation>
    </message>
    <message>
        <source>Full speed</source>
        <translation>Velocidad máxima</translation>
    </message>
    <message>
        <source>%1 a second</source>
        <translation>%1 por segundo</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidad:</translation>
    </message>
    <message>
        <source>Leave the finished chart on the screen when the run ends</source>
        <translation>Deja el gráfico terminado en pantalla cuando acaba la ejecución</translation>
    </message>
    <message>
        <source>Saves the chart with its title as a PNG picture or an SVG drawing</source>
        <translation>Guarda el gráfico con su título como imagen PNG o dibujo SVG</translation>
    </message>
    <message>
        <source>Saves a row for each generation (letters right, strings made) as a CSV file</source>
        <translation>Guarda una fila por cada generación (letras correctas, cadenas generadas) como archivo CSV</translation>
    </message>
    <message>
        <source>Stops the run; the log keeps every generation finished so far</source>
        <translation>Detiene la ejecución; el registro conserva todas las generaciones terminadas hasta ahora</translation>
    </message>
    <message>
        <source>Run this target many times with each scheme and compare the distribution with the exact law and blind search</source>
        <translation>Ejecuta este objetivo muchas veces con cada esquema y compara la distribución con la ley exacta y con la búsqueda ciega</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reanudar</translation>
    </message>
    <message>
        <source>Lets the run go on at the chosen speed (Space)</source>
        <translation>Deja que la ejecución siga a la velocidad elegida (Espacio)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Cierra esta ventana</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) a second</source>
        <translation>
            <numerusform>%Ln generación por segundo</numerusform>
            <numerusform>%Ln generaciones por segundo</numerusform>
        </translation>
    </message>
</context>
</TS>
