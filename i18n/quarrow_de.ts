<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BytesText</name>
    <message>
        <source>bytes</source>
        <translation>Bytes</translation>
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
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 Tage</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 zu %1</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed, about %6 at the view&apos;s speed of %7 generations a second and a generation log of about %8.</source>
        <translation>Von einer zufälligen Anfangskette dieser Länge aus: im Mittel %1 Generationen (die Hälfte aller Läufe braucht höchstens %2, neun von zehn höchstens %3), %4 Zeichenketten, etwa %5 auf diesem Computer bei voller Geschwindigkeit, etwa %6 bei der Geschwindigkeit der Ansicht von %7 Generationen pro Sekunde und ein Generationsprotokoll von etwa %8.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed and a generation log of about %6.</source>
        <translation>Von einer zufälligen Anfangskette dieser Länge aus: im Mittel %1 Generationen (die Hälfte aller Läufe braucht höchstens %2, neun von zehn höchstens %3), %4 Zeichenketten, etwa %5 auf diesem Computer bei voller Geschwindigkeit und ein Generationsprotokoll von etwa %6.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 at the view&apos;s speed of %6 generations a second and a generation log of about %7.</source>
        <translation>Von einer zufälligen Anfangskette dieser Länge aus: im Mittel %1 Generationen (die Hälfte aller Läufe braucht höchstens %2, neun von zehn höchstens %3), %4 Zeichenketten, etwa %5 bei der Geschwindigkeit der Ansicht von %6 Generationen pro Sekunde und ein Generationsprotokoll von etwa %7.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings and a generation log of about %5.</source>
        <translation>Von einer zufälligen Anfangskette dieser Länge aus: im Mittel %1 Generationen (die Hälfte aller Läufe braucht höchstens %2, neun von zehn höchstens %3), %4 Zeichenketten und ein Generationsprotokoll von etwa %5.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings.</source>
        <translation>Von einer zufälligen Anfangskette dieser Länge aus: im Mittel %1 Generationen (die Hälfte aller Läufe braucht höchstens %2, neun von zehn höchstens %3), %4 Zeichenketten.</translation>
    </message>
</context>
<context>
    <name>DistributionChart</name>
    <message>
        <source>the %1st percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>the %1nd percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>the %1rd percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>the %1th percentile</source>
        <translation>%1. Perzentil</translation>
    </message>
    <message>
        <source>27^%1 = %2 strings expected, %3 generations of 20</source>
        <translation>27^%1 = %2 Zeichenketten erwartet, %3 Generationen zu je 20</translation>
    </message>
    <message>
        <source>median</source>
        <translation>Median</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>deine Schätzung</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Blinde Suche</translation>
    </message>
    <message>
        <source>Generations per run (logarithmic scale)</source>
        <translation>Generationen pro Lauf (logarithmische Skala)</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Generationen pro Lauf</translation>
    </message>
    <message>
        <source>Bars: the share of runs that took so many generations, hatched for each scheme</source>
        <translation>Balken: der Anteil der Läufe, die so viele Generationen brauchten, je Schema schraffiert</translation>
    </message>
    <message>
        <source>The line: what chance predicts for a very great number of runs (the exact law)</source>
        <translation>Die Linie: was der Zufall für sehr viele Läufe vorhersagt (die exakte Verteilung)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted), your guess (dash-dotted)</source>
        <translation>Markierungen: Mittelwert (durchgezogen), Median (gestrichelt), 10% und 90% der Läufe (gepunktet), deine Schätzung (strichpunktiert)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted)</source>
        <translation>Markierungen: Mittelwert (durchgezogen), Median (gestrichelt), 10% und 90% der Läufe (gepunktet)</translation>
    </message>
    <message>
        <source>%1: no run finished</source>
        <translation>%1: kein Lauf beendet</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 run(s)</source>
        <translation>
            <numerusform>%1: %2 Lauf</numerusform>
            <numerusform>%1: %2 Läufe</numerusform>
        </translation>
    </message>
    <message>
        <source>Strings per run beside a blind search (logarithmic scale)</source>
        <translation>Zeichenketten pro Lauf neben einer blinden Suche (logarithmische Skala)</translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Deine Schätzung von %1 liegt unter jedem Lauf: 0 von je 100 Läufen brauchen höchstens %1 Generation</numerusform>
            <numerusform>Deine Schätzung von %1 liegt unter jedem Lauf: 0 von je 100 Läufen brauchen höchstens %1 Generationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Deine Schätzung von %1 liegt unter dem 1. Perzentil: weniger als 1 von je 100 Läufen braucht höchstens %1 Generation</numerusform>
            <numerusform>Deine Schätzung von %1 liegt unter dem 1. Perzentil: weniger als 1 von je 100 Läufen braucht höchstens %1 Generationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Deine Schätzung von %1 liegt über jedem Lauf: 100 von je 100 Läufen brauchen höchstens %1 Generation</numerusform>
            <numerusform>Deine Schätzung von %1 liegt über jedem Lauf: 100 von je 100 Läufen brauchen höchstens %1 Generationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Deine Schätzung von %1 liegt über dem 99. Perzentil: mehr als 99 von je 100 Läufen brauchen höchstens %1 Generation</numerusform>
            <numerusform>Deine Schätzung von %1 liegt über dem 99. Perzentil: mehr als 99 von je 100 Läufen brauchen höchstens %1 Generationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generation(s)</source>
        <translation>
            <numerusform>Deine Schätzung von %1 liegt beim 1. Perzentil: 1 von je 100 Läufen braucht höchstens %1 Generation</numerusform>
            <numerusform>Deine Schätzung von %1 liegt beim 1. Perzentil: 1 von je 100 Läufen braucht höchstens %1 Generationen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Deine Schätzung von %1 liegt beim %2: %3 von je 100 Läufen brauchen höchstens %1 Generation</numerusform>
            <numerusform>Deine Schätzung von %1 liegt beim %2: %3 von je 100 Läufen brauchen höchstens %1 Generationen</numerusform>
        </translation>
    </message>
    <message>
        <source>Generations per run for &quot;%1&quot;: %2, %3 of %4 runs, interrupted, %5</source>
        <translation>Generationen pro Lauf für „%1“: %2, %3 von %4 Läufen, abgebrochen, %5</translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s) each, %4</source>
        <translation>
            <numerusform>Generationen pro Lauf für „%1“: %2, je %3 Lauf, %4</numerusform>
            <numerusform>Generationen pro Lauf für „%1“: %2, je %3 Läufe, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s), %4</source>
        <translation>
            <numerusform>Generationen pro Lauf für „%1“: %2, %3 Lauf, %4</numerusform>
            <numerusform>Generationen pro Lauf für „%1“: %2, %3 Läufe, %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>die Zeichnung konnte nicht begonnen werden</translation>
    </message>
    <message>
        <source>give a file name ending in .png or .svg</source>
        <translation>gib einen Dateinamen an, der auf .png oder .svg endet</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Typing your phrase</source>
        <translation>Deinen Satz eingeben</translation>
    </message>
    <message>
        <source>What a target string is</source>
        <translation>Was eine Zielkette ist</translation>
    </message>
    <message>
        <source>What &quot;Step Two&quot; measures</source>
        <translation>Was „Schritt zwei“ misst</translation>
    </message>
    <message>
        <source>Why a blind search is hopeless</source>
        <translation>Warum eine blinde Suche aussichtslos ist</translation>
    </message>
    <message>
        <source>What &quot;Step Three&quot; does</source>
        <translation>Was „Schritt drei“ macht</translation>
    </message>
    <message>
        <source>Why the best random string still gets few letters right</source>
        <translation>Warum selbst die beste Zufallskette nur wenige Buchstaben richtig hat</translation>
    </message>
    <message>
        <source>What &quot;Step Four&quot; does</source>
        <translation>Was „Schritt vier“ macht</translation>
    </message>
    <message>
        <source>Scheme 1: attenuating selection</source>
        <translation>Schema 1: dämpfende Selektion</translation>
    </message>
    <message>
        <source>Scheme 2: serial selection</source>
        <translation>Schema 2: serielle Selektion</translation>
    </message>
    <message>
        <source>Scheme 3: sequential selection</source>
        <translation>Schema 3: sequenzielle Selektion</translation>
    </message>
    <message>
        <source>The generation log</source>
        <translation>Das Generationsprotokoll</translation>
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
        <translation>In den Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The lock file could not be written.</source>
        <translation>Die Sperrdatei konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The folder could not be removed.</source>
        <translation>Der Ordner konnte nicht entfernt werden.</translation>
    </message>
    <message>
        <source>The folder is no longer empty, so it was not removed.</source>
        <translation>Der Ordner ist nicht mehr leer und wurde daher nicht entfernt.</translation>
    </message>
    <message>
        <source>an empty folder</source>
        <translation>ein leerer Ordner</translation>
    </message>
    <message>
        <source>a folder holding one file or folder</source>
        <translation>ein Ordner mit einer Datei oder einem Ordner</translation>
    </message>
    <message>
        <source>a folder holding %1 files or folders</source>
        <translation>ein Ordner mit %1 Dateien oder Ordnern</translation>
    </message>
    <message>
        <source>a link to %1, which does not exist</source>
        <translation>ein Link auf das nicht vorhandene %1</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>ein Link auf %1</translation>
    </message>
    <message>
        <source>a special file (a device, a pipe or a socket)</source>
        <translation>eine Spezialdatei (ein Gerät, eine Pipe oder ein Socket)</translation>
    </message>
    <message>
        <source>Where the lock file of the generation log goes, there is %1. No Quarrow window made it, and no run can lock the log while it is there.

Lock file: %2</source>
        <translation>Dort, wo die Sperrdatei des Generationsprotokolls hingehört, liegt %1. Das hat kein Quarrow-Fenster angelegt, und solange es dort liegt, kann kein Lauf das Protokoll sperren.

Sperrdatei: %2</translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation>%1 (Prozess %2 auf %3)</translation>
    </message>
    <message>
        <source>Another Quarrow window is running a selection and writing the generation log:
%1

The run was not started. Try again once that run has ended.

Lock file: %2</source>
        <translation>Ein anderes Quarrow-Fenster führt gerade eine Selektion aus und schreibt das Generationsprotokoll:
%1

Der Lauf wurde nicht gestartet. Versuch es noch einmal, wenn jener Lauf beendet ist.

Sperrdatei: %2</translation>
    </message>
    <message>
        <source>It could not be removed: %1</source>
        <translation>Es konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>The run was not started. Move or remove it, then start the run again.</source>
        <translation>Der Lauf wurde nicht gestartet. Verschiebe oder entferne es und starte den Lauf dann noch einmal.</translation>
    </message>
    <message>
        <source>The generation log cannot be locked, so the run was not started: without the lock, another window could write the same log at the same time.

Folder: %1

%2</source>
        <translation>Das Generationsprotokoll kann nicht gesperrt werden, daher wurde der Lauf nicht gestartet: Ohne die Sperre könnte ein anderes Fenster gleichzeitig dasselbe Protokoll schreiben.

Ordner: %1

%2</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>Nicht starten</translation>
    </message>
    <message>
        <source>The generation log is locked by a Quarrow window on another computer:

computer %1, process %2, since %3

Lock file: %4

This computer cannot tell whether that window is still running. If it is, wait until its run has ended: removing the lock would let two runs write one log. If you are sure it is no longer running, remove the lock and start the run.</source>
        <translation>Das Generationsprotokoll ist von einem Quarrow-Fenster auf einem anderen Computer gesperrt:

Computer %1, Prozess %2, seit %3

Sperrdatei: %4

Dieser Computer kann nicht feststellen, ob jenes Fenster noch läuft. Falls ja, warte, bis sein Lauf beendet ist: Würde die Sperre entfernt, könnten zwei Läufe in ein Protokoll schreiben. Wenn du sicher bist, dass es nicht mehr läuft, entferne die Sperre und starte den Lauf.</translation>
    </message>
    <message>
        <source>It is not running: remove the lock</source>
        <translation>Es läuft nicht: Sperre entfernen</translation>
    </message>
    <message>
        <source>Remove the link and start the run? What it leads to stays.</source>
        <translation>Den Link entfernen und den Lauf starten? Das, worauf er zeigt, bleibt erhalten.</translation>
    </message>
    <message>
        <source>Remove it and start the run?</source>
        <translation>Entfernen und den Lauf starten?</translation>
    </message>
    <message>
        <source>Remove it and start the run</source>
        <translation>Entfernen und Lauf starten</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>unter einer Sekunde</translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation>etwa %1 Minuten</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>etwa %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existiert bereits.
Möchtest du die Datei ersetzen?</translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation>PNG-Bilder</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>SVG-Zeichnungen</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln second(s)</source>
        <translation>
            <numerusform>etwa %Ln Sekunde</numerusform>
            <numerusform>etwa %Ln Sekunden</numerusform>
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
        <translation>Lernschritte</translation>
    </message>
    <message>
        <source>Step One</source>
        <translation>Schritt eins</translation>
    </message>
    <message>
        <source>You Choose A Phrase</source>
        <translation>Du wählst einen Satz</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Anleitung</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation>Pfeil nach rechts</translation>
    </message>
    <message>
        <source>&amp;Explanation</source>
        <translation>&amp;Erklärung</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>This is the &quot;target string&quot;, a.k.a. &quot;selection agent&quot;, a.k.a. &quot;fitness function.&quot; </source>
        <translation>Das ist die „Zielkette“, auch „Selektionsfaktor“, auch „Fitnessfunktion“ genannt. </translation>
    </message>
    <message>
        <source>Type in your target string (to 50 characters; no numbers or punctuation)</source>
        <translation>Gib deine Zielkette ein (bis 50 Zeichen; keine Ziffern oder Satzzeichen)</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>In this box, type in a phrase of up to 50 letters and spaces.  No numbers or punctuation.  </source>
        <translation>Gib in dieses Feld einen Satz aus bis zu 50 Buchstaben und Leerzeichen ein.  Keine Ziffern oder Satzzeichen.  </translation>
    </message>
    <message>
        <source>Step Two</source>
        <translation>Schritt zwei</translation>
    </message>
    <message>
        <source>Finding How Many Random Strings of Equal Length Exist</source>
        <translation>Wie viele Zufallsketten gleicher Länge gibt es?</translation>
    </message>
    <message>
        <source>Number of random strings generated in one second</source>
        <translation>In einer Sekunde erzeugte Zufallsketten</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Los</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Los</translation>
    </message>
    <message>
        <source>Number of distinct strings of this length</source>
        <translation>Verschiedene Zeichenketten dieser Länge</translation>
    </message>
    <message>
        <source>Estimated time for your computer to generate a string matching target string</source>
        <translation>Geschätzte Zeit, bis dein Computer eine Zeichenkette gleich der Zielkette erzeugt</translation>
    </message>
    <message>
        <source>Estimated time in seconds</source>
        <translation>Geschätzte Zeit in Sekunden</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Estimated time in days</source>
        <translation>Geschätzte Zeit in Tagen</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Estimated time in years</source>
        <translation>Geschätzte Zeit in Jahren</translation>
    </message>
    <message>
        <source>year(s)</source>
        <translation>Jahr(e)</translation>
    </message>
    <message>
        <source>Step Three</source>
        <translation>Schritt drei</translation>
    </message>
    <message>
        <source>Let&apos;s Try to Match Target String Randomly</source>
        <translation>Versuch: die Zielkette zufällig treffen</translation>
    </message>
    <message>
        <source>Number of Strings to Generate:</source>
        <translation>Zu erzeugende Zeichenketten:</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>The best match for your target string...</source>
        <translation>Die beste Annäherung an deine Zielkette...</translation>
    </message>
    <message>
        <source>...was this random string selected from the number of strings you requested</source>
        <translation>...war diese Zufallskette, ausgewählt aus der von dir gewünschten Anzahl</translation>
    </message>
    <message>
        <source>Number Correct:</source>
        <translation>Anzahl richtig:</translation>
    </message>
    <message>
        <source>The time it took to generate and evaluate this string was...</source>
        <translation>Erzeugen und Bewerten dieser Zeichenkette dauerte...</translation>
    </message>
    <message>
        <source>Step Four</source>
        <translation>Schritt vier</translation>
    </message>
    <message>
        <source>Let&apos;s Try Some Natural Selection</source>
        <translation>Natürliche Selektion im Versuch</translation>
    </message>
    <message>
        <source>Your Target String:</source>
        <translation>Deine Zielkette:</translation>
    </message>
    <message>
        <source>Initial string (randomly generated by computer):</source>
        <translation>Anfangskette (vom Computer zufällig erzeugt):</translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation>Zufällige Ketten erzeugen</translation>
    </message>
    <message>
        <source>&amp;Gen Explanation</source>
        <translation>Er&amp;zeugung erkl.</translation>
    </message>
    <message>
        <source>Gen Explanation</source>
        <translation>Erklärung der Erzeugung</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Pfeil nach unten</translation>
    </message>
    <message>
        <source>Final match was found in this generation:</source>
        <translation>Vollständige Übereinstimmung in Generation:</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Trennlinie</translation>
    </message>
    <message>
        <source>Selection scheme</source>
        <translation>Selektionsschema</translation>
    </message>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1: Dämpfende Selektion</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2: Serielle Selektion</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3: Sequenzielle Selektion</translation>
    </message>
    <message>
        <source>Checking this many total strings (20 each generation):</source>
        <translation>Insgesamt geprüfte Zeichenketten (20 je Generation):</translation>
    </message>
    <message>
        <source>In this many seconds:</source>
        <translation>In so vielen Sekunden:</translation>
    </message>
    <message>
        <source>&amp;View Text File</source>
        <translation>&amp;Textdatei zeigen</translation>
    </message>
    <message>
        <source>View Text File</source>
        <translation>Textdatei zeigen</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Ende</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>Scheme</name>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1: Dämpfende Selektion</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2: Serielle Selektion</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3: Sequenzielle Selektion</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; each wrong letter changes only to a nearer one</source>
        <translation>der 20. Nachkomme wird zum Elter; jeder falsche Buchstabe ändert sich nur zu einem näheren</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; right letters are kept, wrong ones redrawn</source>
        <translation>der 20. Nachkomme wird zum Elter; richtige Buchstaben bleiben, falsche werden neu gezogen</translation>
    </message>
    <message>
        <source>each offspring copies the target&apos;s first letters, one more for every hit before it in this generation; the rest are drawn, and each hit is marked</source>
        <translation>jeder Nachkomme kopiert die ersten Buchstaben des Ziels, einen mehr für jeden Treffer vor ihm in dieser Generation; der Rest wird gezogen, und jeder Treffer wird markiert</translation>
    </message>
</context>
<context>
    <name>SearchPages</name>
    <message>
        <source>This makes strings several times more slowly than &quot;Step Two&quot; measured: before every letter, the random generator is started afresh from the clock.</source>
        <translation>Hier entstehen Zeichenketten um ein Mehrfaches langsamer, als „Schritt zwei“ gemessen hat: Vor jedem Buchstaben wird der Zufallsgenerator neu von der Uhr aus gestartet.</translation>
    </message>
    <message>
        <source>Strings made: %1 of %2
Best so far: %3 of %4 letters right
%5</source>
        <translation>Erzeugte Zeichenketten: %1 von %2
Bisher beste: %3 von %4 Buchstaben richtig
%5</translation>
    </message>
    <message>
        <source>The number of strings to generate is too large. One trial makes at most %1 strings; please enter a smaller number.</source>
        <translation>Die Anzahl zu erzeugender Zeichenketten ist zu groß. Ein Versuch erzeugt höchstens %1 Zeichenketten; bitte gib eine kleinere Zahl ein.</translation>
    </message>
    <message>
        <source>Matching the target at random</source>
        <translation>Das Ziel zufällig treffen</translation>
    </message>
    <message>
        <source>Strings made: 0 of %1
%2</source>
        <translation>Erzeugte Zeichenketten: 0 von %1
%2</translation>
    </message>
    <message>
        <source>The trial failed and was stopped: %1.</source>
        <translation>Der Versuch ist fehlgeschlagen und wurde abgebrochen: %1.</translation>
    </message>
    <message>
        <source>The trial was cancelled after %1 of %2 strings. The boxes show the best string made until then.</source>
        <translation>Der Versuch wurde nach %1 von %2 Zeichenketten abgebrochen. Die Felder zeigen die beste bis dahin erzeugte Zeichenkette.</translation>
    </message>
</context>
<context>
    <name>SelectionPage</name>
    <message>
        <source>Sequential selection copies the leading letters of the target into every offspring, so the first string cannot be longer than the target.</source>
        <translation>Die sequenzielle Selektion kopiert die vorderen Buchstaben des Ziels in jeden Nachkommen, daher darf die Anfangskette nicht länger als das Ziel sein.</translation>
    </message>
    <message>
        <source>Sequential selection scores its random letters against the first string, place by place, so the first string must be as long as the target.</source>
        <translation>Die sequenzielle Selektion vergleicht ihre zufälligen Buchstaben Stelle für Stelle mit der Anfangskette, daher muss die Anfangskette genauso lang wie das Ziel sein.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length.</source>
        <translation>Verlasse das Zielfeld, um eine neue Anfangskette seiner Länge zu erhalten.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length, or type one.</source>
        <translation>Verlasse das Zielfeld, um eine neue Anfangskette seiner Länge zu erhalten, oder gib selbst eine ein.</translation>
    </message>
    <message>
        <source>%1 The first string has %2 characters and the target %3.

%4</source>
        <translation>%1 Die Anfangskette hat %2 Zeichen und das Ziel %3.

%4</translation>
    </message>
    <message>
        <source>The target</source>
        <translation>Das Ziel</translation>
    </message>
    <message>
        <source>The first string</source>
        <translation>Die Anfangskette</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot; at position %3, which is neither a capital letter A to Z nor a space. No random string can ever match it, so the run would never end.

Please use only the letters A to Z and spaces.</source>
        <translation>%1 enthält an Position %3 „%2“, das weder ein Großbuchstabe von A bis Z noch ein Leerzeichen ist. Keine Zufallskette kann es je treffen, daher würde der Lauf nie enden.

Bitte verwende nur die Buchstaben A bis Z und Leerzeichen.</translation>
    </message>
    <message>
        <source>This run of scheme 3 is likely to be long. Each generation finishes the run with a chance of %1, so a run needs:

%2</source>
        <translation>Dieser Lauf von Schema 3 wird wahrscheinlich lang. Jede Generation beendet den Lauf mit einer Chance von %1, daher braucht ein Lauf:

%2</translation>
    </message>
    <message>
        <source>The drive of the generation log has only %1 free, less than the log is expected to need: the run would stop when the drive is full.</source>
        <translation>Auf dem Laufwerk des Generationsprotokolls sind nur %1 frei, weniger als das Protokoll voraussichtlich braucht: Der Lauf würde anhalten, sobald das Laufwerk voll ist.</translation>
    </message>
    <message>
        <source>Cancel stops the run at any time. Start it?</source>
        <translation>„Abbrechen“ beendet den Lauf jederzeit. Lauf starten?</translation>
    </message>
    <message>
        <source>Start the run</source>
        <translation>Lauf starten</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>Nicht starten</translation>
    </message>
    <message>
        <source>The folder of the generation log cannot be created:
%1

The run was not started.</source>
        <translation>Der Ordner des Generationsprotokolls kann nicht angelegt werden:
%1

Der Lauf wurde nicht gestartet.</translation>
    </message>
    <message>
        <source>The run failed and was stopped: %1.

The generation log holds every generation written until then.</source>
        <translation>Der Lauf ist fehlgeschlagen und wurde angehalten: %1.

Das Generationsprotokoll enthält jede bis dahin geschriebene Generation.</translation>
    </message>
    <message>
        <source>The run was stopped in generation %1, before a match was found. The time and strings boxes show the counts until then; the generation box stays empty, as no match was found. The generation log holds every finished generation.</source>
        <translation>Der Lauf wurde in Generation %1 angehalten, bevor eine Übereinstimmung gefunden war. Die Felder für Zeit und Zeichenketten zeigen die Werte bis dahin; das Generationsfeld bleibt leer, da keine Übereinstimmung gefunden wurde. Das Generationsprotokoll enthält jede abgeschlossene Generation.</translation>
    </message>
    <message>
        <source>The generation log could not be written, so the run was stopped.

%1</source>
        <translation>Das Generationsprotokoll konnte nicht geschrieben werden, daher wurde der Lauf angehalten.

%1</translation>
    </message>
    <message>
        <source>The run is still writing the generation log. It can be viewed once the run has finished or been cancelled.</source>
        <translation>Der Lauf schreibt noch das Generationsprotokoll. Du kannst es ansehen, sobald der Lauf beendet oder abgebrochen ist.</translation>
    </message>
    <message>
        <source>There is no generation log yet: the first run of &quot;Go&quot; on this page writes it, to
%1</source>
        <translation>Es gibt noch kein Generationsprotokoll: Der erste Lauf mit „Los“ auf dieser Seite schreibt es, und zwar nach
%1</translation>
    </message>
    <message>
        <source>The generation log is %1 (%2 bytes), too large for many text editors to open comfortably. Open the folder that holds it instead?

%3</source>
        <translation>Das Generationsprotokoll ist %1 groß (%2 Byte), zu groß, als dass viele Texteditoren es bequem öffnen könnten. Stattdessen den Ordner öffnen, der es enthält?

%3</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Trotzdem öffnen</translation>
    </message>
    <message>
        <source>The folder of the generation log could not be opened. It is
%1</source>
        <translation>Der Ordner des Generationsprotokolls konnte nicht geöffnet werden. Er liegt unter
%1</translation>
    </message>
    <message>
        <source>No text editor could be started for the generation log. Open it with an editor of your choice; it is
%1</source>
        <translation>Für das Generationsprotokoll konnte kein Texteditor gestartet werden. Öffne es mit einem Editor deiner Wahl; es liegt unter
%1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation>Link kopieren</translation>
    </message>
    <message>
        <source>Copy a link to this phrase, step and scheme</source>
        <translation>Einen Link zu diesem Satz, Schritt und Schema kopieren</translation>
    </message>
    <message>
        <source>The link to this set-up is on the clipboard:
%1</source>
        <translation>Der Link zu dieser Einstellung liegt in der Zwischenablage:
%1</translation>
    </message>
    <message>
        <source>The link could not be put on the clipboard. Copy it from here:
%1</source>
        <translation>Der Link konnte nicht in die Zwischenablage gelegt werden. Kopiere ihn von hier:
%1</translation>
    </message>
    <message>
        <source>The link&apos;s seed &quot;%1&quot; was ignored: a seed is a whole number from 0 to %2.</source>
        <translation>Der Startwert „%1“ des Links wurde ignoriert: Ein Startwert ist eine ganze Zahl von 0 bis %2.</translation>
    </message>
    <message>
        <source>The link&apos;s step &quot;%1&quot; was ignored: the steps are 1 to 4.</source>
        <translation>Der Schritt „%1“ des Links wurde ignoriert: Die Schritte sind 1 bis 4.</translation>
    </message>
    <message>
        <source>The link&apos;s scheme &quot;%1&quot; was ignored: the schemes are %2.</source>
        <translation>Das Schema „%1“ des Links wurde ignoriert: Die Schemata sind %2.</translation>
    </message>
    <message>
        <source>The link&apos;s phrase was ignored: it is longer than %1 characters.</source>
        <translation>Der Satz des Links wurde ignoriert: Er ist länger als %1 Zeichen.</translation>
    </message>
    <message>
        <source>and</source>
        <translation>und</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not one this page knows, and was ignored.</source>
        <translation>Die Einstellung „%1“ des Links kennt diese Seite nicht; sie wurde ignoriert.</translation>
    </message>
    <message>
        <source>Seeded with %1: every result repeats exactly, as quarrow-lab&apos;s with --seed %1.</source>
        <translation>Startwert %1: Jedes Ergebnis wiederholt sich genau, wie das von quarrow-lab mit --seed %1.</translation>
    </message>
    <message>
        <source>Evolving the target</source>
        <translation>Evolution zum Ziel</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right, %4 strings made</source>
        <translation>Generation %1: %2 von %3 Buchstaben richtig, %4 Zeichenketten erzeugt</translation>
    </message>
    <message>
        <source>Measuring how many strings this computer makes in a second…</source>
        <translation>Es wird gemessen, wie viele Zeichenketten dieser Computer in einer Sekunde erzeugt…</translation>
    </message>
    <message>
        <source>Generation log</source>
        <translation>Generationsprotokoll</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Herunterladen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>The log is %1; this shows its first %2. Download it to read it whole.</source>
        <translation>Das Protokoll ist %1 groß; hier stehen seine ersten %2. Lade es herunter, um es ganz zu lesen.</translation>
    </message>
    <message>
        <source>generation.log, in this browser&apos;s storage for the page</source>
        <translation>generation.log, im Speicher dieses Browsers für die Seite</translation>
    </message>
    <message>
        <source>The generation log could not be read: %1</source>
        <translation>Das Generationsprotokoll konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>Another tab or window of this browser is running a selection with Quarrow and writing the generation log.

The run was not started. Try again once that run has ended.</source>
        <translation>Ein anderer Tab oder ein anderes Fenster dieses Browsers führt gerade eine Selektion mit Quarrow aus und schreibt das Generationsprotokoll.

Der Lauf wurde nicht gestartet. Versuch es noch einmal, wenn jener Lauf beendet ist.</translation>
    </message>
    <message>
        <source>This browser cannot keep a generation log for the page (%1), so the run was not started.</source>
        <translation>Dieser Browser kann für die Seite kein Generationsprotokoll speichern (%1), daher wurde der Lauf nicht gestartet.</translation>
    </message>
    <message>
        <source>Quarrow has ended. Reload the page to start it again.</source>
        <translation>Quarrow wurde beendet. Lade die Seite neu, um es wieder zu starten.</translation>
    </message>
    <message>
        <source>Quarrow could not start in this browser: %1</source>
        <translation>Quarrow konnte in diesem Browser nicht starten: %1</translation>
    </message>
    <message>
        <source>This browser does not let the page hold a run in its worker, so the run goes at full speed: Pause, Step and the slower speeds need the page served with cross-origin isolation.</source>
        <translation>Dieser Browser lässt die Seite keinen Lauf in ihrem Worker anhalten, daher läuft er mit voller Geschwindigkeit: „Pause“, „Schritt“ und die langsameren Geschwindigkeiten brauchen eine Seite, die mit Cross-Origin-Isolation ausgeliefert wird.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is ready.</source>
        <translation>Eine neue Version von Quarrow ist bereit.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is in use in another tab or window.</source>
        <translation>Eine neue Version von Quarrow ist in einem anderen Tab oder Fenster in Gebrauch.</translation>
    </message>
    <message>
        <source>Use it now</source>
        <translation>Jetzt verwenden</translation>
    </message>
    <message>
        <source>Reload the page with the new version, keeping the phrase, step and scheme</source>
        <translation>Lädt die Seite mit der neuen Version neu und behält Satz, Schritt und Schema</translation>
    </message>
    <message>
        <source>It can be used once the task under way has finished or been cancelled.</source>
        <translation>Sie kann verwendet werden, sobald die laufende Aufgabe beendet oder abgebrochen ist.</translation>
    </message>
    <message>
        <source>%1: mean %2 generations, median %3, 10% of runs at most %4, 90% at most %5; the exact law&apos;s mean is %6.</source>
        <translation>%1: Mittelwert %2 Generationen, Median %3, 10 % der Läufe höchstens %4, 90 % höchstens %5; der Mittelwert der exakten Verteilung ist %6.</translation>
    </message>
    <message>
        <source>Runs done: %1 of %2</source>
        <translation>Fertige Läufe: %1 von %2</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Diagramm als PNG speichern</translation>
    </message>
    <message>
        <source>Save chart as SVG</source>
        <translation>Diagramm als SVG speichern</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>The link&apos;s language &quot;%1&quot; was ignored: the languages are %2.</source>
        <translation>Die Sprache &quot;%1&quot; des Links wurde nicht übernommen: die Sprachen sind %2.</translation>
    </message>
</context>
<context>
    <name>quarrow::BlindSearchLane</name>
    <message>
        <source>Blind search found the target at string %1; on average a blind search needs %2 = %3 strings to match it.</source>
        <translation>Die blinde Suche fand das Ziel bei Zeichenkette %1; im Mittel braucht eine blinde Suche %2 = %3 Zeichenketten, um es zu treffen.</translation>
    </message>
    <message>
        <source>Blind search made %1 strings; its best has %2 of %3 letters right. Matching all %3 would take on average %4 = %5 strings</source>
        <translation>Die blinde Suche erzeugte %1 Zeichenketten; ihre beste hat %2 von %3 Buchstaben richtig. Alle %3 zu treffen, bräuchte im Mittel %4 = %5 Zeichenketten</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 Jahre</translation>
    </message>
    <message>
        <source>: about %1 at this computer&apos;s rate.</source>
        <translation>: etwa %1 bei der Rate dieses Computers.</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Blinde Suche</translation>
    </message>
    <message>
        <source>Blind search:</source>
        <translation>Blinde Suche:</translation>
    </message>
    <message>
        <source>Blind search&apos;s best string</source>
        <translation>Beste Zeichenkette der blinden Suche</translation>
    </message>
    <message>
        <source>found the target at string %1</source>
        <translation>fand das Ziel bei Zeichenkette %1</translation>
    </message>
    <message>
        <source>%1 of %2 right; %3 strings</source>
        <translation>%1 von %2 richtig; %3 Zeichenketten</translation>
    </message>
</context>
<context>
    <name>quarrow::DistributionChartWidget</name>
    <message>
        <source>Chart of generations per run</source>
        <translation>Diagramm der Generationen pro Lauf</translation>
    </message>
    <message>
        <source>The table below the chart holds its figures.</source>
        <translation>Die Tabelle unter dem Diagramm enthält seine Zahlen.</translation>
    </message>
    <message>
        <source>The chart appears once runs are done.</source>
        <translation>Das Diagramm erscheint, sobald Läufe fertig sind.</translation>
    </message>
</context>
<context>
    <name>quarrow::EvolutionView</name>
    <message>
        <source>Step Four: %1</source>
        <translation>Schritt vier: %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Erwartet: %1</translation>
    </message>
    <message>
        <source>Expected: %1
Chance that the next generation finishes the run: %2, the same for every generation however many have failed before it.</source>
        <translation>Erwartet: %1
Chance, dass die nächste Generation den Lauf beendet: %2, gleich für jede Generation, wie viele auch vorher gescheitert sind.</translation>
    </message>
    <message>
        <source>Run finished.</source>
        <translation>Lauf beendet.</translation>
    </message>
    <message>
        <source>Offspring %1 of generation %2 drew the last hit: every letter of the target is now locked.</source>
        <translation>Nachkomme %1 von Generation %2 zog den letzten Treffer: Jeder Buchstabe des Ziels ist jetzt fixiert.</translation>
    </message>
    <message>
        <source>Generation %1 drew the last hit: every letter of the target is now locked.</source>
        <translation>Generation %1 zog den letzten Treffer: Jeder Buchstabe des Ziels ist jetzt fixiert.</translation>
    </message>
    <message>
        <source>The parent matched the target in generation %1.</source>
        <translation>Der Elter stimmte in Generation %1 mit dem Ziel überein.</translation>
    </message>
    <message>
        <source>Run stopped: the log could not be written.</source>
        <translation>Lauf angehalten: Das Protokoll konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Run refused.</source>
        <translation>Lauf abgelehnt.</translation>
    </message>
    <message>
        <source>less than 1%</source>
        <translation>weniger als 1%</translation>
    </message>
    <message>
        <source>more than 99%</source>
        <translation>mehr als 99%</translation>
    </message>
    <message>
        <source>No generation was finished.</source>
        <translation>Es wurde keine Generation beendet.</translation>
    </message>
    <message>
        <source>The run is still going on. Do you want to cancel it?

The log keeps every generation finished so far.</source>
        <translation>Der Lauf ist noch im Gang. Möchtest du ihn abbrechen?

Das Protokoll behält jede bisher beendete Generation.</translation>
    </message>
    <message>
        <source>Cancel the run</source>
        <translation>Lauf abbrechen</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Weiterlaufen lassen</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Generation: %1</translation>
    </message>
    <message>
        <source>Strings made: %1</source>
        <translation>Erzeugte Zeichenketten: %1</translation>
    </message>
    <message>
        <source>Letters matched: %1 of %2</source>
        <translation>Getroffene Buchstaben: %1 von %2</translation>
    </message>
    <message>
        <source>Best of the run: %1 of %2</source>
        <translation>Bestwert des Laufs: %1 von %2</translation>
    </message>
    <message>
        <source>Generations per second: %1</source>
        <translation>Generationen pro Sekunde: %1</translation>
    </message>
    <message>
        <source>Elapsed seconds: %1</source>
        <translation>Vergangene Sekunden: %1</translation>
    </message>
    <message>
        <source>Computing seconds: %1</source>
        <translation>Rechensekunden: %1</translation>
    </message>
    <message>
        <source>Log file size: %1</source>
        <translation>Größe der Protokolldatei: %1</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters matched, the run&apos;s best %4</source>
        <translation>Generation %1: %2 von %3 Buchstaben getroffen, Bestwert des Laufs %4</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right</source>
        <translation>Generation %1: %2 von %3 Buchstaben richtig</translation>
    </message>
    <message>
        <source>Letters right by generation for &quot;%1&quot;: %2, 1 run from &quot;%3&quot;</source>
        <translation>Richtige Buchstaben je Generation für „%1“: %2, 1 Lauf ab „%3“</translation>
    </message>
    <message>
        <source>Back to the run</source>
        <translation>Zurück zum Lauf</translation>
    </message>
    <message>
        <source>Shows the run&apos;s letters and chart again</source>
        <translation>Zeigt wieder die Buchstaben und das Diagramm des Laufs</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>The data could not be written to %1:
%2

The view keeps it; choose another place and save again.</source>
        <translation>Die Daten konnten nicht in %1 geschrieben werden:
%2

Die Ansicht behält sie; wähle einen anderen Ort und speichere noch einmal.</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The chart could not be written to %1:
%2</source>
        <translation>Das Diagramm konnte nicht in %1 geschrieben werden:
%2</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 generation(s).</source>
        <translation>
            <numerusform>Abgebrochen nach %1 Generation.</numerusform>
            <numerusform>Abgebrochen nach %1 Generationen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This run took %1 generation(s); %2 of runs take at most that many.</source>
        <translation>
            <numerusform>Dieser Lauf brauchte %1 Generation; %2 der Läufe brauchen höchstens so viele.</numerusform>
            <numerusform>Dieser Lauf brauchte %1 Generationen; %2 der Läufe brauchen höchstens so viele.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation(s); the run&apos;s best rose to %5.</source>
        <translation>
            <numerusform>Das Präfix, das jede Generation erreichte, ging in %4 Generation von %1 auf %2 von %3 Buchstaben; der Bestwert des Laufs stieg auf %5.</numerusform>
            <numerusform>Das Präfix, das jede Generation erreichte, ging in %4 Generationen von %1 auf %2 von %3 Buchstaben; der Bestwert des Laufs stieg auf %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right stayed at %1 of %2 for %3 generation(s).</source>
        <translation>
            <numerusform>Die richtigen Buchstaben blieben %3 Generation lang bei %1 von %2.</numerusform>
            <numerusform>Die richtigen Buchstaben blieben %3 Generationen lang bei %1 von %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right rose from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Die richtigen Buchstaben stiegen in %4 Generation von %1 auf %2 von %3.</numerusform>
            <numerusform>Die richtigen Buchstaben stiegen in %4 Generationen von %1 auf %2 von %3.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right fell from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Die richtigen Buchstaben fielen in %4 Generation von %1 auf %2 von %3.</numerusform>
            <numerusform>Die richtigen Buchstaben fielen in %4 Generationen von %1 auf %2 von %3.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::FitnessChart</name>
    <message>
        <source>Prefix reached (solid line)</source>
        <translation>Erreichtes Präfix (durchgezogen)</translation>
    </message>
    <message>
        <source>Letters right</source>
        <translation>Richtige Buchstaben</translation>
    </message>
    <message>
        <source>Best of the run (dashed line)</source>
        <translation>Bestwert des Laufs (gestrichelt)</translation>
    </message>
    <message>
        <source>Letters matched</source>
        <translation>Getroffene Buchstaben</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Generation</translation>
    </message>
    <message>
        <source>Generation (logarithmic)</source>
        <translation>Generation (logarithmisch)</translation>
    </message>
    <message>
        <source>Prefix each generation reached, and the run&apos;s best</source>
        <translation>Von jeder Generation erreichtes Präfix und Bestwert des Laufs</translation>
    </message>
    <message>
        <source>Letters right by generation</source>
        <translation>Richtige Buchstaben je Generation</translation>
    </message>
    <message>
        <source>The curve fills in as the run goes on.</source>
        <translation>Die Kurve füllt sich, während der Lauf weitergeht.</translation>
    </message>
</context>
<context>
    <name>quarrow::HelpViewer</name>
    <message>
        <source>Quarrow Help</source>
        <translation>Quarrow-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Back to the previous topic (Alt+Left)</source>
        <translation>Zurück zum vorigen Thema (Alt+Links)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vor</translation>
    </message>
    <message>
        <source>Forward to the next topic (Alt+Right)</source>
        <translation>Vor zum nächsten Thema (Alt+Rechts)</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Hilfethemen</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Hilfethema</translation>
    </message>
    <message>
        <source>Quarrow Help: %1</source>
        <translation>Quarrow-Hilfe: %1</translation>
    </message>
</context>
<context>
    <name>quarrow::LettersPanel</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 von %2 richtig</translation>
    </message>
    <message>
        <source>%1; wrong at position %2</source>
        <translation>%1; falsch an Position %2</translation>
    </message>
    <message>
        <source>%1; wrong at positions %2</source>
        <translation>%1; falsch an Positionen %2</translation>
    </message>
    <message>
        <source>%1, at position %2</source>
        <translation>%1, an Position %2</translation>
    </message>
    <message>
        <source>%1, at positions %2</source>
        <translation>%1, an Positionen %2</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Ziel:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Scored against:</source>
        <translation>Verglichen mit:</translation>
    </message>
    <message>
        <source>First string, which the random tail is scored against</source>
        <translation>Anfangskette, mit der der zufällige Rest verglichen wird</translation>
    </message>
    <message>
        <source>This generation:</source>
        <translation>Diese Generation:</translation>
    </message>
    <message>
        <source>Last offspring of the generation</source>
        <translation>Letzter Nachkomme der Generation</translation>
    </message>
    <message>
        <source>Parent:</source>
        <translation>Elter:</translation>
    </message>
    <message>
        <source>Current parent</source>
        <translation>Aktueller Elter</translation>
    </message>
    <message>
        <source>Each offspring copies the first letters of the target (blue: locked) and draws the rest at random. A drawn letter that equals the first string&apos;s letter at its place is a hit (green) and locks one more letter of the target for the next offspring. Every generation starts again with nothing locked.</source>
        <translation>Jeder Nachkomme kopiert die ersten Buchstaben des Ziels (blau: fixiert) und zieht den Rest zufällig. Ein gezogener Buchstabe, der an seiner Stelle dem Buchstaben der Anfangskette gleicht, ist ein Treffer (grün) und fixiert für den nächsten Nachkommen einen weiteren Buchstaben des Ziels. Jede Generation beginnt wieder ohne fixierte Buchstaben.</translation>
    </message>
    <message>
        <source>%1. Locked: %2, %3.</source>
        <translation>%1. Fixiert: %2, %3.</translation>
    </message>
    <message>
        <source>Hits in the random tail at positions %1.</source>
        <translation>Treffer im zufälligen Rest an Positionen %1.</translation>
    </message>
    <message>
        <source>%1 hits in the random tail.</source>
        <translation>%1 Treffer im zufälligen Rest.</translation>
    </message>
    <message>
        <source>%1 of %2 letters matched.</source>
        <translation>%1 von %2 Buchstaben getroffen.</translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln letter(s)</source>
        <translation>
            <numerusform>%Ln Buchstabe von vorn</numerusform>
            <numerusform>%Ln Buchstaben von vorn</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::OffspringPanel</name>
    <message>
        <source>Offspring %1: %2, %3</source>
        <translation>Nachkomme %1: %2, %3</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right</source>
        <translation>Nachkomme %1: %2 von %3 richtig</translation>
    </message>
    <message>
        <source>Offspring of this generation</source>
        <translation>Nachkommen dieser Generation</translation>
    </message>
    <message>
        <source>Blue: copied from the target; green: a hit.</source>
        <translation>Blau: vom Ziel kopiert; grün: ein Treffer.</translation>
    </message>
    <message>
        <source>Offspring of generation %1</source>
        <translation>Nachkommen der Generation %1</translation>
    </message>
    <message>
        <source>%1 copied, %2</source>
        <translation>%1 kopiert, %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>matches the target</source>
        <translation>stimmt mit dem Ziel überein</translation>
    </message>
    <message>
        <source>next parent</source>
        <translation>nächster Elter</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hit(s)</source>
        <translation>
            <numerusform>%Ln Treffer</numerusform>
            <numerusform>%Ln Treffer</numerusform>
        </translation>
    </message>
    <message>
        <source>The 20th offspring always becomes the next parent, even when another offspring has more letters right.</source>
        <translation>Der 20. Nachkomme wird immer der nächste Elter, auch wenn ein anderer Nachkomme mehr Buchstaben richtig hat.</translation>
    </message>
    <message>
        <source>more letters right, but not chosen: the 20th offspring always is</source>
        <translation>mehr Buchstaben richtig, aber nicht gewählt: Gewählt wird immer der 20. Nachkomme</translation>
    </message>
    <message numerus="yes">
        <source>%Ln letter(s) copied</source>
        <translation>
            <numerusform>%Ln Buchstabe kopiert</numerusform>
            <numerusform>%Ln Buchstaben kopiert</numerusform>
        </translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>nicht gewählt</translation>
    </message>
    <message>
        <source>Bold, underlined: right; italic: changed; plain: kept; “%1”: %2.</source>
        <translation>Fett, unterstrichen: richtig; kursiv: geändert; normal: beibehalten; „%1“: %2.</translation>
    </message>
    <message>
        <source>Offspring %1: %2, %3, every letter now locked</source>
        <translation>Nachkomme %1: %2, %3, jetzt jeder Buchstabe fixiert</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, matches the target</source>
        <translation>Nachkomme %1: %2 von %3 richtig, stimmt mit dem Ziel überein</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, next parent</source>
        <translation>Nachkomme %1: %2 von %3 richtig, nächster Elter</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, more letters right, but not chosen: the 20th offspring always is</source>
        <translation>Nachkomme %1: %2 von %3 richtig, mehr Buchstaben richtig, aber nicht gewählt: Gewählt wird immer der 20. Nachkomme</translation>
    </message>
</context>
<context>
    <name>quarrow::Quarrow</name>
    <message>
        <source>A run is going on. Wait until it has finished, or cancel it, before you start another.</source>
        <translation>Ein Lauf ist im Gang. Warte, bis er beendet ist, oder brich ihn ab, bevor du einen weiteren startest.</translation>
    </message>
    <message>
        <source>Opens the help topic &quot;%1&quot;</source>
        <translation>Öffnet das Hilfethema „%1“</translation>
    </message>
</context>
<context>
    <name>quarrow::RepeatWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Starten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Daten speichern...</translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>Runs of each scheme</source>
        <translation>Läufe je Schema</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Startwert</translation>
    </message>
    <message>
        <source>&amp;Runs of each scheme:</source>
        <translation>&amp;Läufe je Schema:</translation>
    </message>
    <message>
        <source>Schemes:</source>
        <translation>Schemata:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Start&amp;wert:</translation>
    </message>
    <message>
        <source>Your guess (generations)</source>
        <translation>Deine Schätzung (Generationen)</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>optional</translation>
    </message>
    <message>
        <source>Your &amp;guess (generations):</source>
        <translation>Deine Schät&amp;zung (Generationen):</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Figures of the runs</source>
        <translation>Zahlen der Läufe</translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation>Schema</translation>
    </message>
    <message>
        <source>Runs finished</source>
        <translation>Beendete Läufe</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Mittelwert</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>SD</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Median</translation>
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
        <translation>Wenigste</translation>
    </message>
    <message>
        <source>Most</source>
        <translation>Meiste</translation>
    </message>
    <message>
        <source>Exact law</source>
        <translation>Exakte Verteilung</translation>
    </message>
    <message>
        <source>Generations per run, over the runs that finished. Exact law: what chance predicts for a very great number of runs, its mean and, in brackets, its 10%, median and 90%.</source>
        <translation>Generationen pro Lauf, über die beendeten Läufe. Exakte Verteilung: was der Zufall für sehr viele Läufe vorhersagt, ihr Mittelwert und in Klammern ihr 10%-Wert, ihr Median und ihr 90%-Wert.</translation>
    </message>
    <message>
        <source>Measuring how fast this computer runs...</source>
        <translation>Es wird gemessen, wie schnell dieser Computer rechnet...</translation>
    </message>
    <message>
        <source>Choose at least one scheme.</source>
        <translation>Wähle mindestens ein Schema.</translation>
    </message>
    <message>
        <source>Each scheme needs at least %1 runs, and at most %2; %3 are too few.</source>
        <translation>Jedes Schema braucht mindestens %1 Läufe und höchstens %2; %3 sind zu wenige.</translation>
    </message>
    <message>
        <source>The batch failed (%1). The figures below are from the last batch that ran; Start tries again.</source>
        <translation>Die Serie ist fehlgeschlagen (%1). Die Zahlen unten stammen aus der letzten gelaufenen Serie; „Starten“ versucht es noch einmal.</translation>
    </message>
    <message>
        <source>its results are incomplete</source>
        <translation>ihre Ergebnisse sind unvollständig</translation>
    </message>
    <message>
        <source>Generations per run, %1; the Exact law column gives the exact law&apos;s mean and, in brackets, its 10th percentile, median and 90th percentile.</source>
        <translation>Generationen pro Lauf, %1; die Spalte „Exakte Verteilung“ gibt den Mittelwert der exakten Verteilung an und in Klammern ihr 10. Perzentil, ihren Median und ihr 90. Perzentil.</translation>
    </message>
    <message>
        <source>%1 (%2, %3, %4)</source>
        <translation>%1 (%2, %3, %4)</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Diagramm speichern</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Das Diagramm konnte nicht unter %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>Your guess must be a whole number of generations, such as 30. Leave the box empty to run without a guess.</source>
        <translation>Deine Schätzung muss eine ganze Zahl von Generationen sein, etwa 30. Lass das Feld leer, um ohne Schätzung zu starten.</translation>
    </message>
    <message>
        <source>no batch has finished yet</source>
        <translation>noch keine Serie ist beendet</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Daten speichern</translation>
    </message>
    <message>
        <source>The data could not be saved to %1: %2. The window keeps it; choose another place and save again.</source>
        <translation>Die Daten konnten nicht unter %1 gespeichert werden: %2. Das Fenster behält sie; wähle einen anderen Ort und speichere noch einmal.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>CSV-Dateien</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>Startwert %1</translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 will take %2 on %n core(s); fewer runs, or leaving it out, shortens that.</source>
        <translation>
            <numerusform>Schema %1 wird auf %n Kern %2 brauchen; weniger Läufe oder das Weglassen des Schemas verkürzen das.</numerusform>
            <numerusform>Schema %1 wird auf %n Kernen %2 brauchen; weniger Läufe oder das Weglassen des Schemas verkürzen das.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 is left out: it would take %2 on %n core(s).</source>
        <translation>
            <numerusform>Schema %1 wird weggelassen: Es würde auf %n Kern %2 brauchen.</numerusform>
            <numerusform>Schema %1 wird weggelassen: Es würde auf %n Kernen %2 brauchen.</numerusform>
        </translation>
    </message>
    <message>
        <source>The other schemes take a moment.</source>
        <translation>Die anderen Schemata brauchen einen Moment.</translation>
    </message>
</context>
<context>
    <name>quarrow::RunProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>quarrow::TaskRunner</name>
    <message>
        <source>an unknown error</source>
        <translation>ein unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>quarrow::ViewControls</name>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Keep this window open after the run</source>
        <translation>Dieses Fenster nach dem Lauf offen lassen</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Diagramm speichern...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Daten speichern...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Wiederholen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Holds the run after the generation it is in (Space)</source>
        <translation>Hält den Lauf nach der laufenden Generation an (Leertaste)</translation>
    </message>
    <message>
        <source>Runs exactly one more generation while paused (Right arrow)</source>
        <translation>Führt während der Pause genau eine weitere Generation aus (Pfeil nach rechts)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Generations a second; slower than full speed, the view shows each generation&apos;s offspring. The choice holds for the next runs too.</source>
        <translation>Generationen pro Sekunde; langsamer als volle Geschwindigkeit zeigt die Ansicht die Nachkommen jeder Generation. Die Wahl gilt auch für die nächsten Läufe.</translation>
    </message>
    <message>
        <source>Full speed</source>
        <translation>Volles Tempo</translation>
    </message>
    <message>
        <source>%1 a second</source>
        <translation>%1 pro Sekunde</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Leave the finished chart on the screen when the run ends</source>
        <translation>Das fertige Diagramm nach dem Ende des Laufs auf dem Bildschirm lassen</translation>
    </message>
    <message>
        <source>Saves the chart with its title as a PNG picture or an SVG drawing</source>
        <translation>Speichert das Diagramm mit seinem Titel als PNG-Bild oder SVG-Zeichnung</translation>
    </message>
    <message>
        <source>Saves a row for each generation (letters right, strings made) as a CSV file</source>
        <translation>Speichert eine Zeile je Generation (richtige Buchstaben, erzeugte Zeichenketten) als CSV-Datei</translation>
    </message>
    <message>
        <source>Stops the run; the log keeps every generation finished so far</source>
        <translation>Bricht den Lauf ab; das Protokoll behält jede bisher beendete Generation</translation>
    </message>
    <message>
        <source>Run this target many times with each scheme and compare the distribution with the exact law and blind search</source>
        <translation>Dieses Ziel mit jedem Schema viele Male laufen lassen und die Verteilung mit der exakten Verteilung und der blinden Suche vergleichen</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Fortsetzen</translation>
    </message>
    <message>
        <source>Lets the run go on at the chosen speed (Space)</source>
        <translation>Lässt den Lauf mit der gewählten Geschwindigkeit weiterlaufen (Leertaste)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Schließt dieses Fenster</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) a second</source>
        <translation>
            <numerusform>%Ln Generation pro Sekunde</numerusform>
            <numerusform>%Ln Generationen pro Sekunde</numerusform>
        </translation>
    </message>
</context>
</TS>
