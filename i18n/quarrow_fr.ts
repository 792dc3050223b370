<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BytesText</name>
    <message>
        <source>bytes</source>
        <translation>octets</translation>
    </message>
    <message>
        <source>kB</source>
        <translation>ko</translation>
    </message>
    <message>
        <source>MB</source>
        <translation>Mo</translation>
    </message>
    <message>
        <source>GB</source>
        <translation>Go</translation>
    </message>
    <message>
        <source>TB</source>
        <translation>To</translation>
    </message>
    <message>
        <source>PB</source>
        <translation>Po</translation>
    </message>
    <message>
        <source>EB</source>
        <translation>Eo</translation>
    </message>
</context>
<context>
    <name>CostText</name>
    <message>
        <source>%1 seconds</source>
        <translation>%1 secondes</translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation>%1 minutes</translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation>%1 heures</translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation>%1 jours</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed, about %6 at the view&apos;s speed of %7 generations a second and a generation log of about %8.</source>
        <translation>À partir d&apos;une première chaîne aléatoire de cette longueur&#xa0;: en moyenne %1 générations (la moitié des simulations en demandent au plus %2, neuf sur dix au plus %3), %4 chaînes, environ %5 sur cet ordinateur à vitesse maximale, environ %6 à la vitesse de suivi de %7 générations par seconde et un journal des générations d&apos;environ %8.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed and a generation log of about %6.</source>
        <translation>À partir d&apos;une première chaîne aléatoire de cette longueur&#xa0;: en moyenne %1 générations (la moitié des simulations en demandent au plus %2, neuf sur dix au plus %3), %4 chaînes, environ %5 sur cet ordinateur à vitesse maximale et un journal des générations d&apos;environ %6.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 at the view&apos;s speed of %6 generations a second and a generation log of about %7.</source>
        <translation>À partir d&apos;une première chaîne aléatoire de cette longueur&#xa0;: en moyenne %1 générations (la moitié des simulations en demandent au plus %2, neuf sur dix au plus %3), %4 chaînes, environ %5 à la vitesse de suivi de %6 générations par seconde et un journal des générations d&apos;environ %7.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings and a generation log of about %5.</source>
        <translation>À partir d&apos;une première chaîne aléatoire de cette longueur&#xa0;: en moyenne %1 générations (la moitié des simulations en demandent au plus %2, neuf sur dix au plus %3), %4 chaînes et un journal des générations d&apos;environ %5.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings.</source>
        <translation>À partir d&apos;une première chaîne aléatoire de cette longueur&#xa0;: en moyenne %1 générations (la moitié des simulations en demandent au plus %2, neuf sur dix au plus %3), %4 chaînes.</translation>
    </message>
</context>
<context>
    <name>DistributionChart</name>
    <message>
        <source>the %1st percentile</source>
        <translation>au %1e centile</translation>
    </message>
    <message>
        <source>the %1nd percentile</source>
        <translation>au %1e centile</translation>
    </message>
    <message>
        <source>the %1rd percentile</source>
        <translation>au %1e centile</translation>
    </message>
    <message>
        <source>the %1th percentile</source>
        <translation>au %1e centile</translation>
    </message>
    <message>
        <source>27^%1 = %2 strings expected, %3 generations of 20</source>
        <translation>27^%1 = %2 chaînes attendues, %3 générations de 20</translation>
    </message>
    <message>
        <source>median</source>
        <translation>médiane</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>moyenne</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>votre estimation</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Recherche aveugle</translation>
    </message>
    <message>
        <source>Generations per run (logarithmic scale)</source>
        <translation>Générations par simulation (échelle logarithmique)</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Générations par simulation</translation>
    </message>
    <message>
        <source>Bars: the share of runs that took so many generations, hatched for each scheme</source>
        <translation>Barres&#xa0;: la part des simulations qui ont demandé ce nombre de générations, hachurées pour chaque schéma</translation>
    </message>
    <message>
        <source>The line: what chance predicts for a very great number of runs (the exact law)</source>
        <translation>La ligne&#xa0;: ce que le hasard prévoit pour un très grand nombre de simulations (la loi exacte)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted), your guess (dash-dotted)</source>
        <translation>Repères&#xa0;: moyenne (trait plein), médiane (tirets), 10% et 90% des simulations (pointillés), votre estimation (tiret-point)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted)</source>
        <translation>Repères&#xa0;: moyenne (trait plein), médiane (tirets), 10% et 90% des simulations (pointillés)</translation>
    </message>
    <message>
        <source>%1: no run finished</source>
        <translation>%1&#xa0;: aucune simulation terminée</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 run(s)</source>
        <translation>
            <numerusform>%1&#xa0;: %2 simulation</numerusform>
            <numerusform>%1&#xa0;: %2 simulations</numerusform>
        </translation>
    </message>
    <message>
        <source>Strings per run beside a blind search (logarithmic scale)</source>
        <translation>Chaînes par simulation, à côté d&apos;une recherche aveugle (échelle logarithmique)</translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Votre estimation de %1 est en dessous de toutes les simulations&#xa0;: 0 simulation sur 100 demande au plus %1 génération</numerusform>
            <numerusform>Votre estimation de %1 est en dessous de toutes les simulations&#xa0;: 0 simulation sur 100 demande au plus %1 générations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Votre estimation de %1 est en dessous du 1er centile&#xa0;: moins de 1 simulation sur 100 demande au plus %1 génération</numerusform>
            <numerusform>Votre estimation de %1 est en dessous du 1er centile&#xa0;: moins de 1 simulation sur 100 demande au plus %1 générations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Votre estimation de %1 est au-dessus de toutes les simulations&#xa0;: 100 simulations sur 100 demandent au plus %1 génération</numerusform>
            <numerusform>Votre estimation de %1 est au-dessus de toutes les simulations&#xa0;: 100 simulations sur 100 demandent au plus %1 générations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Votre estimation de %1 est au-dessus du 99e centile&#xa0;: plus de 99 simulations sur 100 demandent au plus %1 génération</numerusform>
            <numerusform>Votre estimation de %1 est au-dessus du 99e centile&#xa0;: plus de 99 simulations sur 100 demandent au plus %1 générations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generation(s)</source>
        <translation>
            <numerusform>Votre estimation de %1 se situe au 1er centile&#xa0;: 1 simulation sur 100 demande au plus %1 génération</numerusform>
            <numerusform>Votre estimation de %1 se situe au 1er centile&#xa0;: 1 simulation sur 100 demande au plus %1 générations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Votre estimation de %1 se situe %2&#xa0;: %3 simulations sur 100 demandent au plus %1 génération</numerusform>
            <numerusform>Votre estimation de %1 se situe %2&#xa0;: %3 simulations sur 100 demandent au plus %1 générations</numerusform>
        </translation>
    </message>
    <message>
        <source>Generations per run for &quot;%1&quot;: %2, %3 of %4 runs, interrupted, %5</source>
        <translation>Générations par simulation pour «&#xa0;%1&#xa0;»&#xa0;: %2, %3 simulations sur %4 (série interrompue), %5</translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s) each, %4</source>
        <translation>
            <numerusform>Générations par simulation pour «&#xa0;%1&#xa0;»&#xa0;: %2, %3 simulation par schéma, %4</numerusform>
            <numerusform>Générations par simulation pour «&#xa0;%1&#xa0;»&#xa0;: %2, %3 simulations par schéma, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s), %4</source>
        <translation>
            <numerusform>Générations par simulation pour «&#xa0;%1&#xa0;»&#xa0;: %2, %3 simulation, %4</numerusform>
            <numerusform>Générations par simulation pour «&#xa0;%1&#xa0;»&#xa0;: %2, %3 simulations, %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>le dessin n&apos;a pas pu être commencé</translation>
    </message>
    <message>
        <source>give a file name ending in .png or .svg</source>
        <translation>donnez un nom de fichier se terminant par .png ou .svg</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Typing your phrase</source>
        <translation>Taper votre phrase</translation>
    </message>
    <message>
        <source>What a target string is</source>
        <translation>Ce qu&apos;est une chaîne cible</translation>
    </message>
    <message>
        <source>What &quot;Step Two&quot; measures</source>
        <translation>Ce que mesure «&#xa0;Étape deux&#xa0;»</translation>
    </message>
    <message>
        <source>Why a blind search is hopeless</source>
        <translation>Pourquoi une recherche aveugle est sans espoir</translation>
    </message>
    <message>
        <source>What &quot;Step Three&quot; does</source>
        <translation>Ce que fait «&#xa0;Étape trois&#xa0;»</translation>
    </message>
    <message>
        <source>Why the best random string still gets few letters right</source>
        <translation>Pourquoi la meilleure chaîne aléatoire a quand même peu de lettres justes</translation>
    </message>
    <message>
        <source>What &quot;Step Four&quot; does</source>
        <translation>Ce que fait «&#xa0;Étape quatre&#xa0;»</translation>
    </message>
    <message>
        <source>Scheme 1: attenuating selection</source>
        <translation>Schéma 1&#xa0;: sélection atténuante</translation>
    </message>
    <message>
        <source>Scheme 2: serial selection</source>
        <translation>Schéma 2&#xa0;: sélection en série</translation>
    </message>
    <message>
        <source>Scheme 3: sequential selection</source>
        <translation>Schéma 3&#xa0;: sélection séquentielle</translation>
    </message>
    <message>
        <source>The generation log</source>
        <translation>Le journal des générations</translation>
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
        <translation>&#xa0;</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder cannot be written.</source>
        <translation>Impossible d&apos;écrire dans le dossier.</translation>
    </message>
    <message>
        <source>The lock file could not be written.</source>
        <translation>Le fichier de verrou n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>The folder could not be removed.</source>
        <translation>Le dossier n&apos;a pas pu être supprimé.</translation>
    </message>
    <message>
        <source>The folder is no longer empty, so it was not removed.</source>
        <translation>Le dossier n&apos;est plus vide, il n&apos;a donc pas été supprimé.</translation>
    </message>
    <message>
        <source>an empty folder</source>
        <translation>un dossier vide</translation>
    </message>
    <message>
        <source>a folder holding one file or folder</source>
        <translation>un dossier contenant un fichier ou un dossier</translation>
    </message>
    <message>
        <source>a folder holding %1 files or folders</source>
        <translation>un dossier contenant %1 fichiers ou dossiers</translation>
    </message>
    <message>
        <source>a link to %1, which does not exist</source>
        <translation>un lien vers %1, qui n&apos;existe pas</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>un lien vers %1</translation>
    </message>
    <message>
        <source>a special file (a device, a pipe or a socket)</source>
        <translation>un fichier spécial (un périphérique, un tube ou une socket)</translation>
    </message>
    <message>
        <source>Where the lock file of the generation log goes, there is %1. No Quarrow window made it, and no run can lock the log while it is there.

Lock file: %2</source>
        <translation>À l&apos;emplacement du fichier de verrou du journal des générations se trouve %1. Aucune fenêtre de Quarrow ne l&apos;a créé, et aucune simulation ne peut verrouiller le journal tant qu&apos;il est là.

Fichier de verrou&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation>%1 (processus %2 sur %3)</translation>
    </message>
    <message>
        <source>Another Quarrow window is running a selection and writing the generation log:
%1

The run was not started. Try again once that run has ended.

Lock file: %2</source>
        <translation>Une autre fenêtre de Quarrow exécute une sélection et écrit le journal des générations&#xa0;:
%1

La simulation n&apos;a pas été lancée. Réessayez quand cette simulation sera terminée.

Fichier de verrou&#xa0;: %2</translation>
    </message>
    <message>
        <source>It could not be removed: %1</source>
        <translation>Il n&apos;a pas pu être supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The run was not started. Move or remove it, then start the run again.</source>
        <translation>La simulation n&apos;a pas été lancée. Déplacez-le ou supprimez-le, puis relancez la simulation.</translation>
    </message>
    <message>
        <source>The generation log cannot be locked, so the run was not started: without the lock, another window could write the same log at the same time.

Folder: %1

%2</source>
        <translation>Le journal des générations ne peut pas être verrouillé, la simulation n&apos;a donc pas été lancée&#xa0;: sans verrou, une autre fenêtre pourrait écrire dans le même journal au même moment.

Dossier&#xa0;: %1

%2</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>Ne pas lancer</translation>
    </message>
    <message>
        <source>The generation log is locked by a Quarrow window on another computer:

computer %1, process %2, since %3

Lock file: %4

This computer cannot tell whether that window is still running. If it is, wait until its run has ended: removing the lock would let two runs write one log. If you are sure it is no longer running, remove the lock and start the run.</source>
        <translation>Le journal des générations est verrouillé par une fenêtre de Quarrow sur un autre ordinateur&#xa0;:

ordinateur %1, processus %2, depuis %3

Fichier de verrou&#xa0;: %4

Cet ordinateur ne peut pas savoir si cette fenêtre fonctionne encore. Si c&apos;est le cas, attendez la fin de sa simulation&#xa0;: supprimer le verrou permettrait à deux simulations d&apos;écrire dans un même journal. Si vous êtes sûr qu&apos;elle ne fonctionne plus, supprimez le verrou et lancez la simulation.</translation>
    </message>
    <message>
        <source>It is not running: remove the lock</source>
        <translation>Elle ne fonctionne plus&#xa0;: supprimer le verrou</translation>
    </message>
    <message>
        <source>Remove the link and start the run? What it leads to stays.</source>
        <translation>Supprimer le lien et lancer la simulation&#xa0;? Ce vers quoi il pointe est conservé.</translation>
    </message>
    <message>
        <source>Remove it and start the run?</source>
        <translation>Le supprimer et lancer la simulation&#xa0;?</translation>
    </message>
    <message>
        <source>Remove it and start the run</source>
        <translation>Le supprimer et lancer la simulation</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>moins d&apos;une seconde</translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation>environ %1 minutes</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>environ %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation>Images PNG</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Dessins SVG</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln second(s)</source>
        <translation>
            <numerusform>environ %Ln seconde</numerusform>
            <numerusform>environ %Ln secondes</numerusform>
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
        <translation>Étapes du tutoriel</translation>
    </message>
    <message>
        <source>Step One</source>
        <translation>Étape un</translation>
    </message>
    <message>
        <source>You Choose A Phrase</source>
        <translation>Choisissez une phrase</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instructions</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation>Flèche vers la droite</translation>
    </message>
    <message>
        <source>&amp;Explanation</source>
        <translation>&amp;Explication</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explication</translation>
    </message>
    <message>
        <source>This is the &quot;target string&quot;, a.k.a. &quot;selection agent&quot;, a.k.a. &quot;fitness function.&quot; </source>
        <translation>C&apos;est la «&#xa0;chaîne cible&#xa0;», alias «&#xa0;agent de sélection&#xa0;», alias «&#xa0;fonction de valeur sélective&#xa0;». </translation>
    </message>
    <message>
        <source>Type in your target string (to 50 characters; no numbers or punctuation)</source>
        <translation>Tapez votre chaîne cible (50 car. max.&#xa0;; ni chiffres ni ponctuation)</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>In this box, type in a phrase of up to 50 letters and spaces.  No numbers or punctuation.  </source>
        <translation>Dans cette case, tapez une phrase de 50 lettres et espaces au plus.  Ni chiffres ni ponctuation.  </translation>
    </message>
    <message>
        <source>Step Two</source>
        <translation>Étape deux</translation>
    </message>
    <message>
        <source>Finding How Many Random Strings of Equal Length Exist</source>
        <translation>Compter les chaînes aléatoires de même longueur</translation>
    </message>
    <message>
        <source>Number of random strings generated in one second</source>
        <translation>Nombre de chaînes aléatoires générées en une seconde</translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation>&amp;Lancer</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>Number of distinct strings of this length</source>
        <translation>Nombre de chaînes distinctes de cette longueur</translation>
    </message>
    <message>
        <source>Estimated time for your computer to generate a string matching target string</source>
        <translation>Temps estimé pour que votre ordinateur génère une chaîne égale à la cible</translation>
    </message>
    <message>
        <source>Estimated time in seconds</source>
        <translation>Temps estimé en secondes</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Estimated time in days</source>
        <translation>Temps estimé en jours</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Estimated time in years</source>
        <translation>Temps estimé en années</translation>
    </message>
    <message>
        <source>year(s)</source>
        <translation>an(s)</translation>
    </message>
    <message>
        <source>Step Three</source>
        <translation>Étape trois</translation>
    </message>
    <message>
        <source>Let&apos;s Try to Match Target String Randomly</source>
        <translation>Essayons d&apos;obtenir la chaîne cible au hasard</translation>
    </message>
    <message>
        <source>Number of Strings to Generate:</source>
        <translation>Nombre de chaînes à générer&#xa0;:</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>The best match for your target string...</source>
        <translation>La plus proche de votre chaîne cible...</translation>
    </message>
    <message>
        <source>...was this random string selected from the number of strings you requested</source>
        <translation>...était cette chaîne aléatoire, choisie parmi le nombre de chaînes demandé</translation>
    </message>
    <message>
        <source>Number Correct:</source>
        <translation>Lettres justes&#xa0;:</translation>
    </message>
    <message>
        <source>The time it took to generate and evaluate this string was...</source>
        <translation>Le temps mis pour générer et évaluer cette chaîne a été de...</translation>
    </message>
    <message>
        <source>Step Four</source>
        <translation>Étape quatre</translation>
    </message>
    <message>
        <source>Let&apos;s Try Some Natural Selection</source>
        <translation>Essayons la sélection naturelle</translation>
    </message>
    <message>
        <source>Your Target String:</source>
        <translation>Votre chaîne cible&#xa0;:</translation>
    </message>
    <message>
        <source>Initial string (randomly generated by computer):</source>
        <translation>Chaîne initiale (tirée au hasard par l&apos;ordinateur)&#xa0;:</translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation>Générer des chaînes aléatoires</translation>
    </message>
    <message>
        <source>&amp;Gen Explanation</source>
        <translation>Explication &amp;gén.</translation>
    </message>
    <message>
        <source>Gen Explanation</source>
        <translation>Explication gén.</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Flèche vers le bas</translation>
    </message>
    <message>
        <source>Final match was found in this generation:</source>
        <translation>Cible atteinte dans cette génération&#xa0;:</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Séparateur</translation>
    </message>
    <message>
        <source>Selection scheme</source>
        <translation>Schéma de sélection</translation>
    </message>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1&#xa0;: Sélection atténuante</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2&#xa0;: Sélection en série</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3&#xa0;: Sélection séquentielle</translation>
    </message>
    <message>
        <source>Checking this many total strings (20 each generation):</source>
        <translation>Total des chaînes examinées (20 par génération)&#xa0;:</translation>
    </message>
    <message>
        <source>In this many seconds:</source>
        <translation>Durée en secondes&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;View Text File</source>
        <translation>&amp;Voir le fichier</translation>
    </message>
    <message>
        <source>View Text File</source>
        <translation>Voir le fichier texte</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
</context>
<context>
    <name>Scheme</name>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1&#xa0;: Sélection atténuante</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2&#xa0;: Sélection en série</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3&#xa0;: Sélection séquentielle</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; each wrong letter changes only to a nearer one</source>
        <translation>le 20e descendant devient le parent&#xa0;; chaque lettre fausse ne change que pour une lettre plus proche</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; right letters are kept, wrong ones redrawn</source>
        <translation>le 20e descendant devient le parent&#xa0;; les lettres justes sont gardées, les fausses tirées à nouveau</translation>
    </message>
    <message>
        <source>each offspring copies the target&apos;s first letters, one more for every hit before it in this generation; the rest are drawn, and each hit is marked</source>
        <translation>chaque descendant copie les premières lettres de la cible, une de plus pour chaque succès avant lui dans cette génération&#xa0;; les autres sont tirées au hasard, et chaque succès est marqué</translation>
    </message>
</context>
<context>
    <name>SearchPages</name>
    <message>
        <source>This makes strings several times more slowly than &quot;Step Two&quot; measured: before every letter, the random generator is started afresh from the clock.</source>
        <translation>Cet essai produit les chaînes plusieurs fois plus lentement que ne l&apos;a mesuré «&#xa0;Étape deux&#xa0;»&#xa0;: avant chaque lettre, le générateur aléatoire est relancé à partir de l&apos;horloge.</translation>
    </message>
    <message>
        <source>Strings made: %1 of %2
Best so far: %3 of %4 letters right
%5</source>
        <translation>Chaînes produites&#xa0;: %1 sur %2
Meilleure jusqu&apos;ici&#xa0;: %3 lettres justes sur %4
%5</translation>
    </message>
    <message>
        <source>The number of strings to generate is too large. One trial makes at most %1 strings; please enter a smaller number.</source>
        <translation>Le nombre de chaînes à générer est trop grand. Un essai produit au plus %1 chaînes&#xa0;; veuillez saisir un nombre plus petit.</translation>
    </message>
    <message>
        <source>Matching the target at random</source>
        <translation>Recherche de la cible au hasard</translation>
    </message>
    <message>
        <source>Strings made: 0 of %1
%2</source>
        <translation>Chaînes produites&#xa0;: 0 sur %1
%2</translation>
    </message>
    <message>
        <source>The trial failed and was stopped: %1.</source>
        <translation>L&apos;essai a échoué et a été arrêté&#xa0;: %1.</translation>
    </message>
    <message>
        <source>The trial was cancelled after %1 of %2 strings. The boxes show the best string made until then.</source>
        <translation>L&apos;essai a été annulé après %1 chaînes sur %2. Les cases montrent la meilleure chaîne produite jusque-là.</translation>
    </message>
</context>
<context>
    <name>SelectionPage</name>
    <message>
        <source>Sequential selection copies the leading letters of the target into every offspring, so the first string cannot be longer than the target.</source>
        <translation>La sélection séquentielle copie les premières lettres de la cible dans chaque descendant, la première chaîne ne peut donc pas être plus longue que la cible.</translation>
    </message>
    <message>
        <source>Sequential selection scores its random letters against the first string, place by place, so the first string must be as long as the target.</source>
        <translation>La sélection séquentielle compare ses lettres aléatoires à la première chaîne, place par place, la première chaîne doit donc être aussi longue que la cible.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length.</source>
        <translation>Quittez la case de la cible pour obtenir une nouvelle première chaîne de sa longueur.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length, or type one.</source>
        <translation>Quittez la case de la cible pour obtenir une nouvelle première chaîne de sa longueur, ou tapez-en une.</translation>
    </message>
    <message>
        <source>%1 The first string has %2 characters and the target %3.

%4</source>
        <translation>%1 La première chaîne a %2 caractères et la cible %3.

%4</translation>
    </message>
    <message>
        <source>The target</source>
        <translation>La cible</translation>
    </message>
    <message>
        <source>The first string</source>
        <translation>La première chaîne</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot; at position %3, which is neither a capital letter A to Z nor a space. No random string can ever match it, so the run would never end.

Please use only the letters A to Z and spaces.</source>
        <translation>%1 contient «&#xa0;%2&#xa0;» à la position %3, qui n&apos;est ni une lettre majuscule de A à Z ni un espace. Aucune chaîne aléatoire ne pourra jamais l&apos;égaler, la simulation ne finirait donc jamais.

Veuillez n&apos;utiliser que les lettres de A à Z et des espaces.</translation>
    </message>
    <message>
        <source>This run of scheme 3 is likely to be long. Each generation finishes the run with a chance of %1, so a run needs:

%2</source>
        <translation>Cette simulation du schéma 3 sera probablement longue. Chaque génération termine la simulation avec une probabilité de %1, une simulation demande donc&#xa0;:

%2</translation>
    </message>
    <message>
        <source>The drive of the generation log has only %1 free, less than the log is expected to need: the run would stop when the drive is full.</source>
        <translation>Le disque du journal des générations n&apos;a que %1 de libre, moins que ce dont le journal devrait avoir besoin&#xa0;: la simulation s&apos;arrêterait quand le disque serait plein.</translation>
    </message>
    <message>
        <source>Cancel stops the run at any time. Start it?</source>
        <translation>Annuler arrête la simulation à tout moment. La lancer&#xa0;?</translation>
    </message>
    <message>
        <source>Start the run</source>
        <translation>Lancer la simulation</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>Ne pas lancer</translation>
    </message>
    <message>
        <source>The folder of the generation log cannot be created:
%1

The run was not started.</source>
        <translation>Le dossier du journal des générations ne peut pas être créé&#xa0;:
%1

La simulation n&apos;a pas été lancée.</translation>
    </message>
    <message>
        <source>The run failed and was stopped: %1.

The generation log holds every generation written until then.</source>
        <translation>La simulation a échoué et a été arrêtée&#xa0;: %1.

Le journal des générations contient toutes les générations écrites jusque-là.</translation>
    </message>
    <message>
        <source>The run was stopped in generation %1, before a match was found. The time and strings boxes show the counts until then; the generation box stays empty, as no match was found. The generation log holds every finished generation.</source>
        <translation>La simulation a été arrêtée à la génération %1, avant que la cible soit atteinte. Les cases du temps et des chaînes montrent les comptes jusque-là&#xa0;; la case de la génération reste vide, puisque la cible n&apos;a pas été atteinte. Le journal des générations contient toutes les générations terminées.</translation>
    </message>
    <message>
        <source>The generation log could not be written, so the run was stopped.

%1</source>
        <translation>Le journal des générations n&apos;a pas pu être écrit, la simulation a donc été arrêtée.

%1</translation>
    </message>
    <message>
        <source>The run is still writing the generation log. It can be viewed once the run has finished or been cancelled.</source>
        <translation>La simulation écrit encore le journal des générations. Vous pourrez le voir quand la simulation sera terminée ou annulée.</translation>
    </message>
    <message>
        <source>There is no generation log yet: the first run of &quot;Go&quot; on this page writes it, to
%1</source>
        <translation>Il n&apos;y a pas encore de journal des générations&#xa0;: la première simulation lancée par «&#xa0;Lancer&#xa0;» sur cette page l&apos;écrit, dans
%1</translation>
    </message>
    <message>
        <source>The generation log is %1 (%2 bytes), too large for many text editors to open comfortably. Open the folder that holds it instead?

%3</source>
        <translation>Le journal des générations fait %1 (%2 octets), trop pour que beaucoup d&apos;éditeurs de texte l&apos;ouvrent confortablement. Ouvrir plutôt le dossier qui le contient&#xa0;?

%3</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Ouvrir quand même</translation>
    </message>
    <message>
        <source>The folder of the generation log could not be opened. It is
%1</source>
        <translation>Le dossier du journal des générations n&apos;a pas pu être ouvert. Il s&apos;agit de
%1</translation>
    </message>
    <message>
        <source>No text editor could be started for the generation log. Open it with an editor of your choice; it is
%1</source>
        <translation>Aucun éditeur de texte n&apos;a pu être lancé pour le journal des générations. Ouvrez-le avec l&apos;éditeur de votre choix&#xa0;; il s&apos;agit de
%1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation>Copier le lien</translation>
    </message>
    <message>
        <source>Copy a link to this phrase, step and scheme</source>
        <translation>Copier un lien vers cette phrase, cette étape et ce schéma</translation>
    </message>
    <message>
        <source>The link to this set-up is on the clipboard:
%1</source>
        <translation>Le lien vers cette configuration est dans le presse-papiers&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The link could not be put on the clipboard. Copy it from here:
%1</source>
        <translation>Le lien n&apos;a pas pu être mis dans le presse-papiers. Copiez-le d&apos;ici&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The link&apos;s seed &quot;%1&quot; was ignored: a seed is a whole number from 0 to %2.</source>
        <translation>La graine «&#xa0;%1&#xa0;» du lien a été ignorée&#xa0;: une graine est un nombre entier de 0 à %2.</translation>
    </message>
    <message>
        <source>The link&apos;s step &quot;%1&quot; was ignored: the steps are 1 to 4.</source>
        <translation>L&apos;étape «&#xa0;%1&#xa0;» du lien a été ignorée&#xa0;: les étapes vont de 1 à 4.</translation>
    </message>
    <message>
        <source>The link&apos;s scheme &quot;%1&quot; was ignored: the schemes are %2.</source>
        <translation>Le schéma «&#xa0;%1&#xa0;» du lien a été ignoré&#xa0;: les schémas sont %2.</translation>
    </message>
    <message>
        <source>The link&apos;s phrase was ignored: it is longer than %1 characters.</source>
        <translation>La phrase du lien a été ignorée&#xa0;: elle dépasse %1 caractères.</translation>
    </message>
    <message>
        <source>and</source>
        <translation>et</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not one this page knows, and was ignored.</source>
        <translation>Le réglage «&#xa0;%1&#xa0;» du lien est inconnu de cette page et a été ignoré.</translation>
    </message>
    <message>
        <source>Seeded with %1: every result repeats exactly, as quarrow-lab&apos;s with --seed %1.</source>
        <translation>Graine %1&#xa0;: chaque résultat se reproduit à l&apos;identique, comme ceux de quarrow-lab avec --seed %1.</translation>
    </message>
    <message>
        <source>Evolving the target</source>
        <translation>Évolution vers la cible</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right, %4 strings made</source>
        <translation>Génération %1&#xa0;: %2 lettres justes sur %3, %4 chaînes produites</translation>
    </message>
    <message>
        <source>Measuring how many strings this computer makes in a second…</source>
        <translation>Mesure du nombre de chaînes que cet ordinateur produit en une seconde…</translation>
    </message>
    <message>
        <source>Generation log</source>
        <translation>Journal des générations</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>The log is %1; this shows its first %2. Download it to read it whole.</source>
        <translation>Le journal fait %1&#xa0;; seul son début (%2) est affiché ici. Téléchargez-le pour le lire en entier.</translation>
    </message>
    <message>
        <source>generation.log, in this browser&apos;s storage for the page</source>
        <translation>generation.log, dans le stockage de ce navigateur pour la page</translation>
    </message>
    <message>
        <source>The generation log could not be read: %1</source>
        <translation>Le journal des générations n&apos;a pas pu être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Another tab or window of this browser is running a selection with Quarrow and writing the generation log.

The run was not started. Try again once that run has ended.</source>
        <translation>Un autre onglet ou une autre fenêtre de ce navigateur exécute une sélection avec Quarrow et écrit le journal des générations.

La simulation n&apos;a pas été lancée. Réessayez quand cette simulation sera terminée.</translation>
    </message>
    <message>
        <source>This browser cannot keep a generation log for the page (%1), so the run was not started.</source>
        <translation>Ce navigateur ne peut pas conserver de journal des générations pour la page (%1), la simulation n&apos;a donc pas été lancée.</translation>
    </message>
    <message>
        <source>Quarrow has ended. Reload the page to start it again.</source>
        <translation>Quarrow s&apos;est arrêté. Rechargez la page pour le relancer.</translation>
    </message>
    <message>
        <source>Quarrow could not start in this browser: %1</source>
        <translation>Quarrow n&apos;a pas pu démarrer dans ce navigateur&#xa0;: %1</translation>
    </message>
    <message>
        <source>This browser does not let the page hold a run in its worker, so the run goes at full speed: Pause, Step and the slower speeds need the page served with cross-origin isolation.</source>
        <translation>Ce navigateur ne permet pas à la page de retenir une simulation dans son worker, qui va donc à pleine vitesse&#xa0;: «&#xa0;Pause&#xa0;», «&#xa0;Pas à pas&#xa0;» et les vitesses plus lentes demandent une page servie avec l’isolation cross-origin.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is ready.</source>
        <translation>Une nouvelle version de Quarrow est prête.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is in use in another tab or window.</source>
        <translation>Une nouvelle version de Quarrow est utilisée dans un autre onglet ou une autre fenêtre.</translation>
    </message>
    <message>
        <source>Use it now</source>
        <translation>L’utiliser maintenant</translation>
    </message>
    <message>
        <source>Reload the page with the new version, keeping the phrase, step and scheme</source>
        <translation>Recharge la page avec la nouvelle version en gardant la phrase, l’étape et le schéma</translation>
    </message>
    <message>
        <source>It can be used once the task under way has finished or been cancelled.</source>
        <translation>Elle pourra être utilisée une fois la tâche en cours terminée ou annulée.</translation>
    </message>
    <message>
        <source>%1: mean %2 generations, median %3, 10% of runs at most %4, 90% at most %5; the exact law&apos;s mean is %6.</source>
        <translation>%1&#xa0;: moyenne %2 générations, médiane %3, 10&#xa0;% des simulations au plus %4, 90&#xa0;% au plus %5&#xa0;; la moyenne de la loi exacte est %6.</translation>
    </message>
    <message>
        <source>Runs done: %1 of %2</source>
        <translation>Simulations faites&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Enregistrer le graphique en PNG</translation>
    </message>
    <message>
        <source>Save chart as SVG</source>
        <translation>Enregistrer le graphique en SVG</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>The link&apos;s language &quot;%1&quot; was ignored: the languages are %2.</source>
        <translation>La langue «&#xa0;%1&#xa0;» du lien a été ignorée&#xa0;: les langues sont %2.</translation>
    </message>
</context>
<context>
    <name>quarrow::BlindSearchLane</name>
    <message>
        <source>Blind search found the target at string %1; on average a blind search needs %2 = %3 strings to match it.</source>
        <translation>La recherche aveugle a trouvé la cible à la chaîne %1&#xa0;; en moyenne, une recherche aveugle demande %2 = %3 chaînes pour l&apos;atteindre.</translation>
    </message>
    <message>
        <source>Blind search made %1 strings; its best has %2 of %3 letters right. Matching all %3 would take on average %4 = %5 strings</source>
        <translation>La recherche aveugle a produit %1 chaînes&#xa0;; sa meilleure a %2 lettres justes sur %3. Obtenir les %3 demanderait en moyenne %4 = %5 chaînes</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 ans</translation>
    </message>
    <message>
        <source>: about %1 at this computer&apos;s rate.</source>
        <translation>&#xa0;: environ %1 au rythme de cet ordinateur.</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Recherche aveugle</translation>
    </message>
    <message>
        <source>Blind search:</source>
        <translation>Recherche aveugle&#xa0;:</translation>
    </message>
    <message>
        <source>Blind search&apos;s best string</source>
        <translation>Meilleure chaîne de la recherche aveugle</translation>
    </message>
    <message>
        <source>found the target at string %1</source>
        <translation>cible trouvée à la chaîne %1</translation>
    </message>
    <message>
        <source>%1 of %2 right; %3 strings</source>
        <translation>%1 justes sur %2&#xa0;; %3 chaînes</translation>
    </message>
</context>
<context>
    <name>quarrow::DistributionChartWidget</name>
    <message>
        <source>Chart of generations per run</source>
        <translation>Graphique des générations par simulation</translation>
    </message>
    <message>
        <source>The table below the chart holds its figures.</source>
        <translation>Le tableau sous le graphique en donne les chiffres.</translation>
    </message>
    <message>
        <source>The chart appears once runs are done.</source>
        <translation>Le graphique apparaît une fois les simulations faites.</translation>
    </message>
</context>
<context>
    <name>quarrow::EvolutionView</name>
    <message>
        <source>Step Four: %1</source>
        <translation>Étape quatre&#xa0;: %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Attendu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Expected: %1
Chance that the next generation finishes the run: %2, the same for every generation however many have failed before it.</source>
        <translation>Attendu&#xa0;: %1
Probabilité que la génération suivante termine la simulation&#xa0;: %2, la même pour chaque génération, quel que soit le nombre d&apos;échecs avant elle.</translation>
    </message>
    <message>
        <source>Run finished.</source>
        <translation>Simulation terminée.</translation>
    </message>
    <message>
        <source>Offspring %1 of generation %2 drew the last hit: every letter of the target is now locked.</source>
        <translation>Le descendant %1 de la génération %2 a tiré le dernier succès&#xa0;: chaque lettre de la cible est maintenant verrouillée.</translation>
    </message>
    <message>
        <source>Generation %1 drew the last hit: every letter of the target is now locked.</source>
        <translation>La génération %1 a tiré le dernier succès&#xa0;: chaque lettre de la cible est maintenant verrouillée.</translation>
    </message>
    <message>
        <source>The parent matched the target in generation %1.</source>
        <translation>Le parent a égalé la cible à la génération %1.</translation>
    </message>
    <message>
        <source>Run stopped: the log could not be written.</source>
        <translation>Simulation arrêtée&#xa0;: le journal n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Run refused.</source>
        <translation>Simulation refusée.</translation>
    </message>
    <message>
        <source>less than 1%</source>
        <translation>moins de 1%</translation>
    </message>
    <message>
        <source>more than 99%</source>
        <translation>plus de 99%</translation>
    </message>
    <message>
        <source>No generation was finished.</source>
        <translation>Aucune génération n&apos;a été terminée.</translation>
    </message>
    <message>
        <source>The run is still going on. Do you want to cancel it?

The log keeps every generation finished so far.</source>
        <translation>La simulation est toujours en cours. Voulez-vous l&apos;annuler&#xa0;?

Le journal garde toutes les générations terminées jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Cancel the run</source>
        <translation>Annuler la simulation</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>La poursuivre</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Génération&#xa0;: %1</translation>
    </message>
    <message>
        <source>Strings made: %1</source>
        <translation>Chaînes produites&#xa0;: %1</translation>
    </message>
    <message>
        <source>Letters matched: %1 of %2</source>
        <translation>Lettres trouvées&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Best of the run: %1 of %2</source>
        <translation>Meilleur de la simulation&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Generations per second: %1</source>
        <translation>Générations par seconde&#xa0;: %1</translation>
    </message>
    <message>
        <source>Elapsed seconds: %1</source>
        <translation>Secondes écoulées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Computing seconds: %1</source>
        <translation>Secondes de calcul&#xa0;: %1</translation>
    </message>
    <message>
        <source>Log file size: %1</source>
        <translation>Taille du journal&#xa0;: %1</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters matched, the run&apos;s best %4</source>
        <translation>Génération %1&#xa0;: %2 lettres trouvées sur %3, meilleur de la simulation %4</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right</source>
        <translation>Génération %1&#xa0;: %2 lettres justes sur %3</translation>
    </message>
    <message>
        <source>Letters right by generation for &quot;%1&quot;: %2, 1 run from &quot;%3&quot;</source>
        <translation>Lettres justes par génération pour «&#xa0;%1&#xa0;»&#xa0;: %2, 1 simulation depuis «&#xa0;%3&#xa0;»</translation>
    </message>
    <message>
        <source>Back to the run</source>
        <translation>Retour à la simulation</translation>
    </message>
    <message>
        <source>Shows the run&apos;s letters and chart again</source>
        <translation>Réaffiche les lettres et le graphique de la simulation</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>The data could not be written to %1:
%2

The view keeps it; choose another place and save again.</source>
        <translation>Les données n&apos;ont pas pu être écrites dans %1&#xa0;:
%2

La fenêtre de suivi les garde&#xa0;; choisissez un autre emplacement et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>The chart could not be written to %1:
%2</source>
        <translation>Le graphique n&apos;a pas pu être écrit dans %1&#xa0;:
%2</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 generation(s).</source>
        <translation>
            <numerusform>Annulée après %1 génération.</numerusform>
            <numerusform>Annulée après %1 générations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This run took %1 generation(s); %2 of runs take at most that many.</source>
        <translation>
            <numerusform>Cette simulation a demandé %1 génération&#xa0;; %2 des simulations en demandent au plus autant.</numerusform>
            <numerusform>Cette simulation a demandé %1 générations&#xa0;; %2 des simulations en demandent au plus autant.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation(s); the run&apos;s best rose to %5.</source>
        <translation>
            <numerusform>Le préfixe atteint par chaque génération est passé de %1 à %2 lettres sur %3 en %4 génération&#xa0;; le meilleur de la simulation est monté à %5.</numerusform>
            <numerusform>Le préfixe atteint par chaque génération est passé de %1 à %2 lettres sur %3 en %4 générations&#xa0;; le meilleur de la simulation est monté à %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right stayed at %1 of %2 for %3 generation(s).</source>
        <translation>
            <numerusform>Les lettres justes sont restées à %1 sur %2 pendant %3 génération.</numerusform>
            <numerusform>Les lettres justes sont restées à %1 sur %2 pendant %3 générations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right rose from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Les lettres justes sont passées de %1 à %2 sur %3 en %4 génération.</numerusform>
            <numerusform>Les lettres justes sont passées de %1 à %2 sur %3 en %4 générations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right fell from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Les lettres justes sont retombées de %1 à %2 sur %3 en %4 génération.</numerusform>
            <numerusform>Les lettres justes sont retombées de %1 à %2 sur %3 en %4 générations.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::FitnessChart</name>
    <message>
        <source>Prefix reached (solid line)</source>
        <translation>Préfixe atteint (trait plein)</translation>
    </message>
    <message>
        <source>Letters right</source>
        <translation>Lettres justes</translation>
    </message>
    <message>
        <source>Best of the run (dashed line)</source>
        <translation>Meilleur de la simulation (tirets)</translation>
    </message>
    <message>
        <source>Letters matched</source>
        <translation>Lettres trouvées</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Génération</translation>
    </message>
    <message>
        <source>Generation (logarithmic)</source>
        <translation>Génération (logarithmique)</translation>
    </message>
    <message>
        <source>Prefix each generation reached, and the run&apos;s best</source>
        <translation>Préfixe atteint par chaque génération, et meilleur de la simulation</translation>
    </message>
    <message>
        <source>Letters right by generation</source>
        <translation>Lettres justes par génération</translation>
    </message>
    <message>
        <source>The curve fills in as the run goes on.</source>
        <translation>La courbe se remplit au fil de la simulation.</translation>
    </message>
</context>
<context>
    <name>quarrow::HelpViewer</name>
    <message>
        <source>Quarrow Help</source>
        <translation>Aide de Quarrow</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Back to the previous topic (Alt+Left)</source>
        <translation>Retour à la rubrique précédente (Alt+Gauche)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Forward to the next topic (Alt+Right)</source>
        <translation>Aller à la rubrique suivante (Alt+Droite)</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Rubriques d&apos;aide</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Rubrique d&apos;aide</translation>
    </message>
    <message>
        <source>Quarrow Help: %1</source>
        <translation>Aide de Quarrow&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quarrow::LettersPanel</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 justes sur %2</translation>
    </message>
    <message>
        <source>%1; wrong at position %2</source>
        <translation>%1&#xa0;; erreur à la position %2</translation>
    </message>
    <message>
        <source>%1; wrong at positions %2</source>
        <translation>%1&#xa0;; erreurs aux positions %2</translation>
    </message>
    <message>
        <source>%1, at position %2</source>
        <translation>%1, à la position %2</translation>
    </message>
    <message>
        <source>%1, at positions %2</source>
        <translation>%1, aux positions %2</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Cible&#xa0;:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Scored against:</source>
        <translation>Comparée à&#xa0;:</translation>
    </message>
    <message>
        <source>First string, which the random tail is scored against</source>
        <translation>Première chaîne, à laquelle la partie aléatoire est comparée</translation>
    </message>
    <message>
        <source>This generation:</source>
        <translation>Cette génération&#xa0;:</translation>
    </message>
    <message>
        <source>Last offspring of the generation</source>
        <translation>Dernier descendant de la génération</translation>
    </message>
    <message>
        <source>Parent:</source>
        <translation>Parent&#xa0;:</translation>
    </message>
    <message>
        <source>Current parent</source>
        <translation>Parent actuel</translation>
    </message>
    <message>
        <source>Each offspring copies the first letters of the target (blue: locked) and draws the rest at random. A drawn letter that equals the first string&apos;s letter at its place is a hit (green) and locks one more letter of the target for the next offspring. Every generation starts again with nothing locked.</source>
        <translation>Chaque descendant copie les premières lettres de la cible (en bleu&#xa0;: verrouillées) et tire les autres au hasard. Une lettre tirée égale à la lettre de la première chaîne à sa place est un succès (en vert) et verrouille une lettre de plus de la cible pour le descendant suivant. Chaque génération recommence sans rien de verrouillé.</translation>
    </message>
    <message>
        <source>%1. Locked: %2, %3.</source>
        <translation>%1. Verrouillées&#xa0;: %2, %3.</translation>
    </message>
    <message>
        <source>Hits in the random tail at positions %1.</source>
        <translation>Succès dans la partie aléatoire aux positions %1.</translation>
    </message>
    <message>
        <source>%1 hits in the random tail.</source>
        <translation>%1 succès dans la partie aléatoire.</translation>
    </message>
    <message>
        <source>%1 of %2 letters matched.</source>
        <translation>%1 lettres trouvées sur %2.</translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln letter(s)</source>
        <translation>
            <numerusform>%Ln première lettre</numerusform>
            <numerusform>les %Ln premières lettres</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::OffspringPanel</name>
    <message>
        <source>Offspring %1: %2, %3</source>
        <translation>Descendant %1&#xa0;: %2, %3</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right</source>
        <translation>Descendant %1&#xa0;: %2 justes sur %3</translation>
    </message>
    <message>
        <source>Offspring of this generation</source>
        <translation>Descendants de cette génération</translation>
    </message>
    <message>
        <source>Blue: copied from the target; green: a hit.</source>
        <translation>Bleu&#xa0;: copié de la cible&#xa0;; vert&#xa0;: un succès.</translation>
    </message>
    <message>
        <source>Offspring of generation %1</source>
        <translation>Descendants de la génération %1</translation>
    </message>
    <message>
        <source>%1 copied, %2</source>
        <translation>%1 copiées, %2</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>matches the target</source>
        <translation>égale la cible</translation>
    </message>
    <message>
        <source>next parent</source>
        <translation>prochain parent</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hit(s)</source>
        <translation>
            <numerusform>%Ln succès</numerusform>
            <numerusform>%Ln succès</numerusform>
        </translation>
    </message>
    <message>
        <source>The 20th offspring always becomes the next parent, even when another offspring has more letters right.</source>
        <translation>Le 20e descendant devient toujours le prochain parent, même quand un autre descendant a plus de lettres justes.</translation>
    </message>
    <message>
        <source>more letters right, but not chosen: the 20th offspring always is</source>
        <translation>plus de lettres justes, mais non choisi&#xa0;: c&apos;est toujours le 20e descendant qui l&apos;est</translation>
    </message>
    <message numerus="yes">
        <source>%Ln letter(s) copied</source>
        <translation>
            <numerusform>%Ln lettre copiée</numerusform>
            <numerusform>%Ln lettres copiées</numerusform>
        </translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation>non choisi</translation>
    </message>
    <message>
        <source>Bold, underlined: right; italic: changed; plain: kept; “%1”: %2.</source>
        <translation>Gras et souligné&#xa0;: juste&#xa0;; italique&#xa0;: changé&#xa0;; normal&#xa0;: gardé&#xa0;; «&#xa0;%1&#xa0;»&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Offspring %1: %2, %3, every letter now locked</source>
        <translation>Descendant %1&#xa0;: %2, %3, toutes les lettres désormais verrouillées</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, matches the target</source>
        <translation>Descendant %1&#xa0;: %2 justes sur %3, égale la cible</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, next parent</source>
        <translation>Descendant %1&#xa0;: %2 justes sur %3, prochain parent</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, more letters right, but not chosen: the 20th offspring always is</source>
        <translation>Descendant %1&#xa0;: %2 justes sur %3, plus de lettres justes, mais non choisi&#xa0;: c&apos;est toujours le 20e descendant qui l&apos;est</translation>
    </message>
</context>
<context>
    <name>quarrow::Quarrow</name>
    <message>
        <source>A run is going on. Wait until it has finished, or cancel it, before you start another.</source>
        <translation>Une simulation est en cours. Attendez qu&apos;elle soit terminée, ou annulez-la, avant d&apos;en lancer une autre.</translation>
    </message>
    <message>
        <source>Opens the help topic &quot;%1&quot;</source>
        <translation>Ouvre la rubrique d&apos;aide «&#xa0;%1&#xa0;»</translation>
    </message>
</context>
<context>
    <name>quarrow::RepeatWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation>&amp;Démarrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Enreg. graphique...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Enreg. données...</translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation>Répéter&#xa0;: %1</translation>
    </message>
    <message>
        <source>Runs of each scheme</source>
        <translation>Simulations par schéma</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Graine</translation>
    </message>
    <message>
        <source>&amp;Runs of each scheme:</source>
        <translation>&amp;Simulations par schéma&#xa0;:</translation>
    </message>
    <message>
        <source>Schemes:</source>
        <translation>Schémas&#xa0;:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>&amp;Graine&#xa0;:</translation>
    </message>
    <message>
        <source>Your guess (generations)</source>
        <translation>Votre estimation (générations)</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>facultatif</translation>
    </message>
    <message>
        <source>Your &amp;guess (generations):</source>
        <translation>Votre &amp;estimation (générations)&#xa0;:</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Durée&#xa0;:</translation>
    </message>
    <message>
        <source>Figures of the runs</source>
        <translation>Chiffres des simulations</translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation>Schéma</translation>
    </message>
    <message>
        <source>Runs finished</source>
        <translation>Simulations finies</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>ÉT</translation>
    </message>
    <message>
        <source>Median</source>
        <translation>Médiane</translation>
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
        <translation>Min.</translation>
    </message>
    <message>
        <source>Most</source>
        <translation>Max.</translation>
    </message>
    <message>
        <source>Exact law</source>
        <translation>Loi exacte</translation>
    </message>
    <message>
        <source>Generations per run, over the runs that finished. Exact law: what chance predicts for a very great number of runs, its mean and, in brackets, its 10%, median and 90%.</source>
        <translation>Générations par simulation, sur les simulations terminées. Loi exacte&#xa0;: ce que le hasard prévoit pour un très grand nombre de simulations, sa moyenne et, entre parenthèses, ses valeurs à 10%, à la médiane et à 90%.</translation>
    </message>
    <message>
        <source>Measuring how fast this computer runs...</source>
        <translation>Mesure de la vitesse de cet ordinateur...</translation>
    </message>
    <message>
        <source>Choose at least one scheme.</source>
        <translation>Choisissez au moins un schéma.</translation>
    </message>
    <message>
        <source>Each scheme needs at least %1 runs, and at most %2; %3 are too few.</source>
        <translation>Chaque schéma demande au moins %1 simulations, et au plus %2&#xa0;; %3, c&apos;est trop peu.</translation>
    </message>
    <message>
        <source>The batch failed (%1). The figures below are from the last batch that ran; Start tries again.</source>
        <translation>La série a échoué (%1). Les chiffres ci-dessous viennent de la dernière série exécutée&#xa0;; Démarrer réessaie.</translation>
    </message>
    <message>
        <source>its results are incomplete</source>
        <translation>ses résultats sont incomplets</translation>
    </message>
    <message>
        <source>Generations per run, %1; the Exact law column gives the exact law&apos;s mean and, in brackets, its 10th percentile, median and 90th percentile.</source>
        <translation>Générations par simulation, %1&#xa0;; la colonne Loi exacte donne la moyenne de la loi exacte et, entre parenthèses, son 10e centile, sa médiane et son 90e centile.</translation>
    </message>
    <message>
        <source>%1 (%2, %3, %4)</source>
        <translation>%1 (%2, %3, %4)</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Le graphique n&apos;a pas pu être enregistré dans %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Your guess must be a whole number of generations, such as 30. Leave the box empty to run without a guess.</source>
        <translation>Votre estimation doit être un nombre entier de générations, par exemple 30. Laissez la case vide pour lancer sans estimation.</translation>
    </message>
    <message>
        <source>no batch has finished yet</source>
        <translation>aucune série n&apos;est encore terminée</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Enregistrer les données</translation>
    </message>
    <message>
        <source>The data could not be saved to %1: %2. The window keeps it; choose another place and save again.</source>
        <translation>Les données n&apos;ont pas pu être enregistrées dans %1&#xa0;: %2. La fenêtre les garde&#xa0;; choisissez un autre emplacement et enregistrez à nouveau.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Fichiers CSV</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>graine %1</translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 will take %2 on %n core(s); fewer runs, or leaving it out, shortens that.</source>
        <translation>
            <numerusform>Le schéma %1 prendra %2 sur %n cœur&#xa0;; moins de simulations, ou l&apos;omettre, raccourcit cette durée.</numerusform>
            <numerusform>Le schéma %1 prendra %2 sur %n cœurs&#xa0;; moins de simulations, ou l&apos;omettre, raccourcit cette durée.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 is left out: it would take %2 on %n core(s).</source>
        <translation>
            <numerusform>Le schéma %1 est omis&#xa0;: il prendrait %2 sur %n cœur.</numerusform>
            <numerusform>Le schéma %1 est omis&#xa0;: il prendrait %2 sur %n cœurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>The other schemes take a moment.</source>
        <translation>Les autres schémas prennent un instant.</translation>
    </message>
</context>
<context>
    <name>quarrow::RunProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>quarrow::TaskRunner</name>
    <message>
        <source>an unknown error</source>
        <translation>une erreur inconnue</translation>
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
        <translation>Pas à pas</translation>
    </message>
    <message>
        <source>Keep this window open after the run</source>
        <translation>Laisser cette fenêtre ouverte à la fin</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Enreg. graphique...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Enreg. données...</translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation>Répéter...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Holds the run after the generation it is in (Space)</source>
        <translation>Suspend la simulation après la génération en cours (Espace)</translation>
    </message>
    <message>
        <source>Runs exactly one more generation while paused (Right arrow)</source>
        <translation>Exécute exactement une génération de plus pendant la pause (flèche droite)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Generations a second; slower than full speed, the view shows each generation&apos;s offspring. The choice holds for the next runs too.</source>
        <translation>Générations par seconde&#xa0;; en dessous de la vitesse maximale, la fenêtre montre les descendants de chaque génération. Ce choix vaut aussi pour les simulations suivantes.</translation>
    </message>
    <message>
        <source>Full speed</source>
        <translation>Vitesse max.</translation>
    </message>
    <message>
        <source>%1 a second</source>
        <translation>%1 par seconde</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Vitesse&#xa0;:</translation>
    </message>
    <message>
        <source>Leave the finished chart on the screen when the run ends</source>
        <translation>Laisser le graphique terminé à l&apos;écran à la fin de la simulation</translation>
    </message>
    <message>
        <source>Saves the chart with its title as a PNG picture or an SVG drawing</source>
        <translation>Enregistre le graphique avec son titre comme image PNG ou dessin SVG</translation>
    </message>
    <message>
        <source>Saves a row for each generation (letters right, strings made) as a CSV file</source>
        <translation>Enregistre une ligne par génération (lettres justes, chaînes produites) dans un fichier CSV</translation>
    </message>
    <message>
        <source>Stops the run; the log keeps every generation finished so far</source>
        <translation>Arrête la simulation&#xa0;; le journal garde toutes les générations terminées jusqu&apos;ici</translation>
    </message>
    <message>
        <source>Run this target many times with each scheme and compare the distribution with the exact law and blind search</source>
        <translation>Lancer cette cible de nombreuses fois avec chaque schéma et comparer la distribution à la loi exacte et à la recherche aveugle</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Lets the run go on at the chosen speed (Space)</source>
        <translation>Laisse la simulation continuer à la vitesse choisie (Espace)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Ferme cette fenêtre</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) a second</source>
        <translation>
            <numerusform>%Ln génération par seconde</numerusform>
            <numerusform>%Ln générations par seconde</numerusform>
        </translation>
    </message>
</context>
</TS>
