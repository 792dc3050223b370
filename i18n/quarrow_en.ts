<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>BytesText</name>
    <message>
        <source>bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CostText</name>
    <message>
        <source>%1 seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed, about %6 at the view&apos;s speed of %7 generations a second and a generation log of about %8.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed and a generation log of about %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 at the view&apos;s speed of %6 generations a second and a generation log of about %7.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings and a generation log of about %5.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DistributionChart</name>
    <message>
        <source>the %1st percentile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1nd percentile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1rd percentile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the %1th percentile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27^%1 = %2 strings expected, %3 generations of 20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>your guess</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations per run (logarithmic scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bars: the share of runs that took so many generations, hatched for each scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The line: what chance predicts for a very great number of runs (the exact law)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted), your guess (dash-dotted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no run finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 run(s)</source>
        <translation>
            <numerusform>%1: %2 run</numerusform>
            <numerusform>%1: %2 runs</numerusform>
        </translation>
    </message>
    <message>
        <source>Strings per run beside a blind search (logarithmic scale)</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generation</numerusform>
            <numerusform>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generation</numerusform>
            <numerusform>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generation</numerusform>
            <numerusform>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generation</numerusform>
            <numerusform>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generation(s)</source>
        <translation>
            <numerusform>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generation</numerusform>
            <numerusform>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generations</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation</numerusform>
            <numerusform>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generations</numerusform>
        </translation>
    </message>
    <message>
        <source>Generations per run for &quot;%1&quot;: %2, %3 of %4 runs, interrupted, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s) each, %4</source>
        <translation>
            <numerusform>Generations per run for &quot;%1&quot;: %2, %3 run each, %4</numerusform>
            <numerusform>Generations per run for &quot;%1&quot;: %2, %3 runs each, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s), %4</source>
        <translation>
            <numerusform>Generations per run for &quot;%1&quot;: %2, %3 run, %4</numerusform>
            <numerusform>Generations per run for &quot;%1&quot;: %2, %3 runs, %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give a file name ending in .png or .svg</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Typing your phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What a target string is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What &quot;Step Two&quot; measures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why a blind search is hopeless</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What &quot;Step Three&quot; does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why the best random string still gets few letters right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What &quot;Step Four&quot; does</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheme 1: attenuating selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheme 2: serial selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheme 3: sequential selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberDecimal</name>
    <message>
        <source>.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NumberThousands</name>
    <message>
        <source>,</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The folder cannot be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lock file could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder could not be removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder is no longer empty, so it was not removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>an empty folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder holding one file or folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder holding %1 files or folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a link to %1, which does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a special file (a device, a pipe or a socket)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the lock file of the generation log goes, there is %1. No Quarrow window made it, and no run can lock the log while it is there.

Lock file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another Quarrow window is running a selection and writing the generation log:
%1

The run was not started. Try again once that run has ended.

Lock file: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It could not be removed: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run was not started. Move or remove it, then start the run again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation log cannot be locked, so the run was not started: without the lock, another window could write the same log at the same time.

Folder: %1

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation log is locked by a Quarrow window on another computer:

computer %1, process %2, since %3

Lock file: %4

This computer cannot tell whether that window is still running. If it is, wait until its run has ended: removing the lock would let two runs write one log. If you are sure it is no longer running, remove the lock and start the run.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not running: remove the lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove the link and start the run? What it leads to stays.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove it and start the run?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove it and start the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>under a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>about %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>about %Ln second(s)</source>
        <translation>
            <numerusform>about %Ln second</numerusform>
            <numerusform>about %Ln seconds</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Quarrow</name>
    <message>
        <source>Quarrow 2.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorial steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You Choose A Phrase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is the &quot;target string&quot;, a.k.a. &quot;selection agent&quot;, a.k.a. &quot;fitness function.&quot; </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in your target string (to 50 characters; no numbers or punctuation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this box, type in a phrase of up to 50 letters and spaces.  No numbers or punctuation.  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finding How Many Random Strings of Equal Length Exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of random strings generated in one second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of distinct strings of this length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated time for your computer to generate a string matching target string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated time in seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated time in days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Estimated time in years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>year(s)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let&apos;s Try to Match Target String Randomly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Strings to Generate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>500</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The best match for your target string...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>...was this random string selected from the number of strings you requested</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number Correct:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The time it took to generate and evaluate this string was...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let&apos;s Try Some Natural Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Target String:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial string (randomly generated by computer):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gen Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gen Explanation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final match was found in this generation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divider</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selection scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1: Attenuating Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Checking this many total strings (20 each generation):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In this many seconds:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Text File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Scheme</name>
    <message>
        <source>1: Attenuating Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; each wrong letter changes only to a nearer one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; right letters are kept, wrong ones redrawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>each offspring copies the target&apos;s first letters, one more for every hit before it in this generation; the rest are drawn, and each hit is marked</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchPages</name>
    <message>
        <source>This makes strings several times more slowly than &quot;Step Two&quot; measured: before every letter, the random generator is started afresh from the clock.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings made: %1 of %2
Best so far: %3 of %4 letters right
%5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of strings to generate is too large. One trial makes at most %1 strings; please enter a smaller number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Matching the target at random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings made: 0 of %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trial failed and was stopped: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The trial was cancelled after %1 of %2 strings. The boxes show the best string made until then.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SelectionPage</name>
    <message>
        <source>Sequential selection copies the leading letters of the target into every offspring, so the first string cannot be longer than the target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequential selection scores its random letters against the first string, place by place, so the first string must be as long as the target.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length, or type one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 The first string has %2 characters and the target %3.

%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The first string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot; at position %3, which is neither a capital letter A to Z nor a space. No random string can ever match it, so the run would never end.

Please use only the letters A to Z and spaces.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This run of scheme 3 is likely to be long. Each generation finishes the run with a chance of %1, so a run needs:

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drive of the generation log has only %1 free, less than the log is expected to need: the run would stop when the drive is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel stops the run at any time. Start it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the generation log cannot be created:
%1

The run was not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run failed and was stopped: %1.

The generation log holds every generation written until then.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run was stopped in generation %1, before a match was found. The time and strings boxes show the counts until then; the generation box stays empty, as no match was found. The generation log holds every finished generation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation log could not be written, so the run was stopped.

%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run is still writing the generation log. It can be viewed once the run has finished or been cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no generation log yet: the first run of &quot;Go&quot; on this page writes it, to
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation log is %1 (%2 bytes), too large for many text editors to open comfortably. Open the folder that holds it instead?

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder of the generation log could not be opened. It is
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No text editor could be started for the generation log. Open it with an editor of your choice; it is
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy a link to this phrase, step and scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link to this set-up is on the clipboard:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link could not be put on the clipboard. Copy it from here:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s seed &quot;%1&quot; was ignored: a seed is a whole number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s step &quot;%1&quot; was ignored: the steps are 1 to 4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s scheme &quot;%1&quot; was ignored: the schemes are %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s phrase was ignored: it is longer than %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not one this page knows, and was ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seeded with %1: every result repeats exactly, as quarrow-lab&apos;s with --seed %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Evolving the target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right, %4 strings made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring how many strings this computer makes in a second…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log is %1; this shows its first %2. Download it to read it whole.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>generation.log, in this browser&apos;s storage for the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The generation log could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another tab or window of this browser is running a selection with Quarrow and writing the generation log.

The run was not started. Try again once that run has ended.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser cannot keep a generation log for the page (%1), so the run was not started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarrow has ended. Reload the page to start it again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarrow could not start in this browser: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: mean %2 generations, median %3, 10% of runs at most %4, 90% at most %5; the exact law&apos;s mean is %6.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs done: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart as SVG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This browser does not let the page hold a run in its worker, so the run goes at full speed: Pause, Step and the slower speeds need the page served with cross-origin isolation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of Quarrow is ready.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version of Quarrow is in use in another tab or window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use it now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload the page with the new version, keeping the phrase, step and scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It can be used once the task under way has finished or been cancelled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link&apos;s language &quot;%1&quot; was ignored: the languages are %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::BlindSearchLane</name>
    <message>
        <source>Blind search found the target at string %1; on average a blind search needs %2 = %3 strings to match it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind search made %1 strings; its best has %2 of %3 letters right. Matching all %3 would take on average %4 = %5 strings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: about %1 at this computer&apos;s rate.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind search:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blind search&apos;s best string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>found the target at string %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right; %3 strings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::DistributionChartWidget</name>
    <message>
        <source>Chart of generations per run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table below the chart holds its figures.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart appears once runs are done.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::EvolutionView</name>
    <message>
        <source>Step Four: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected: %1
Chance that the next generation finishes the run: %2, the same for every generation however many have failed before it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring %1 of generation %2 drew the last hit: every letter of the target is now locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1 drew the last hit: every letter of the target is now locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parent matched the target in generation %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run stopped: the log could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run refused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>less than 1%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than 99%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No generation was finished.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The run is still going on. Do you want to cancel it?

The log keeps every generation finished so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strings made: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters matched: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best of the run: %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations per second: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Elapsed seconds: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing seconds: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log file size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters matched, the run&apos;s best %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters right by generation for &quot;%1&quot;: %2, 1 run from &quot;%3&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the run&apos;s letters and chart again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be written to %1:
%2

The view keeps it; choose another place and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be written to %1:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 generation(s).</source>
        <translation>
            <numerusform>Cancelled after %1 generation.</numerusform>
            <numerusform>Cancelled after %1 generations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This run took %1 generation(s); %2 of runs take at most that many.</source>
        <translation>
            <numerusform>This run took %1 generation; %2 of runs take at most that many.</numerusform>
            <numerusform>This run took %1 generations; %2 of runs take at most that many.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation(s); the run&apos;s best rose to %5.</source>
        <translation>
            <numerusform>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation; the run&apos;s best rose to %5.</numerusform>
            <numerusform>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generations; the run&apos;s best rose to %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right stayed at %1 of %2 for %3 generation(s).</source>
        <translation>
            <numerusform>Letters right stayed at %1 of %2 for %3 generation.</numerusform>
            <numerusform>Letters right stayed at %1 of %2 for %3 generations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right rose from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Letters right rose from %1 to %2 of %3 in %4 generation.</numerusform>
            <numerusform>Letters right rose from %1 to %2 of %3 in %4 generations.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right fell from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>Letters right fell from %1 to %2 of %3 in %4 generation.</numerusform>
            <numerusform>Letters right fell from %1 to %2 of %3 in %4 generations.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::FitnessChart</name>
    <message>
        <source>Prefix reached (solid line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best of the run (dashed line)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters matched</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generation (logarithmic)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prefix each generation reached, and the run&apos;s best</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters right by generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The curve fills in as the run goes on.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::HelpViewer</name>
    <message>
        <source>Quarrow Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back to the previous topic (Alt+Left)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward to the next topic (Alt+Right)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarrow Help: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::LettersPanel</name>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; wrong at position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; wrong at positions %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, at position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, at positions %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scored against:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First string, which the random tail is scored against</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This generation:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last offspring of the generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parent:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current parent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each offspring copies the first letters of the target (blue: locked) and draws the rest at random. A drawn letter that equals the first string&apos;s letter at its place is a hit (green) and locks one more letter of the target for the next offspring. Every generation starts again with nothing locked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Locked: %2, %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hits in the random tail at positions %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 hits in the random tail.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 letters matched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln letter(s)</source>
        <translation>
            <numerusform>the first %Ln letter</numerusform>
            <numerusform>the first %Ln letters</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::OffspringPanel</name>
    <message>
        <source>Offspring %1: %2, %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring of this generation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue: copied from the target; green: a hit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring of generation %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copied, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>matches the target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>next parent</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln hit(s)</source>
        <translation>
            <numerusform>%Ln hit</numerusform>
            <numerusform>%Ln hits</numerusform>
        </translation>
    </message>
    <message>
        <source>The 20th offspring always becomes the next parent, even when another offspring has more letters right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more letters right, but not chosen: the 20th offspring always is</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln letter(s) copied</source>
        <translation>
            <numerusform>%Ln letter copied</numerusform>
            <numerusform>%Ln letters copied</numerusform>
        </translation>
    </message>
    <message>
        <source>not chosen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bold, underlined: right; italic: changed; plain: kept; “%1”: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring %1: %2, %3, every letter now locked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, matches the target</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, next parent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, more letters right, but not chosen: the 20th offspring always is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::Quarrow</name>
    <message>
        <source>A run is going on. Wait until it has finished, or cancel it, before you start another.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the help topic &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::RepeatWindow</name>
    <message>
        <source>&amp;Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs of each scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Runs of each scheme:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schemes:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your guess (generations)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your &amp;guess (generations):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Figures of the runs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs finished</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Median</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>90%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fewest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact law</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations per run, over the runs that finished. Exact law: what chance predicts for a very great number of runs, its mean and, in brackets, its 10%, median and 90%.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Measuring how fast this computer runs...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose at least one scheme.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each scheme needs at least %1 runs, and at most %2; %3 are too few.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The batch failed (%1). The figures below are from the last batch that ran; Start tries again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its results are incomplete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations per run, %1; the Exact law column gives the exact law&apos;s mean and, in brackets, its 10th percentile, median and 90th percentile.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2, %3, %4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your guess must be a whole number of generations, such as 30. Leave the box empty to run without a guess.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no batch has finished yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The data could not be saved to %1: %2. The window keeps it; choose another place and save again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 will take %2 on %n core(s); fewer runs, or leaving it out, shortens that.</source>
        <translation>
            <numerusform>Scheme %1 will take %2 on %n core; fewer runs, or leaving it out, shortens that.</numerusform>
            <numerusform>Scheme %1 will take %2 on %n cores; fewer runs, or leaving it out, shortens that.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 is left out: it would take %2 on %n core(s).</source>
        <translation>
            <numerusform>Scheme %1 is left out: it would take %2 on %n core.</numerusform>
            <numerusform>Scheme %1 is left out: it would take %2 on %n cores.</numerusform>
        </translation>
    </message>
    <message>
        <source>The other schemes take a moment.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::RunProgressDialog</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::TaskRunner</name>
    <message>
        <source>an unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrow::ViewControls</name>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep this window open after the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Holds the run after the generation it is in (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Runs exactly one more generation while paused (Right arrow)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Generations a second; slower than full speed, the view shows each generation&apos;s offspring. The choice holds for the next runs too.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 a second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave the finished chart on the screen when the run ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the chart with its title as a PNG picture or an SVG drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves a row for each generation (letters right, strings made) as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stops the run; the log keeps every generation finished so far</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run this target many times with each scheme and compare the distribution with the exact law and blind search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets the run go on at the chosen speed (Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) a second</source>
        <translation>
            <numerusform>%Ln generation a second</numerusform>
            <numerusform>%Ln generations a second</numerusform>
        </translation>
    </message>
</context>
</TS>
