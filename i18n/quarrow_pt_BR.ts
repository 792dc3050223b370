<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>%1 dias</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 anos</translation>
    </message>
    <message>
        <source>%1%</source>
        <translation>%1%</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 em %1</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed, about %6 at the view&apos;s speed of %7 generations a second and a generation log of about %8.</source>
        <translation>A partir de uma primeira sequência aleatória deste tamanho: em média %1 gerações (metade de todas as execuções precisa de no máximo %2, nove em dez de no máximo %3), %4 sequências, cerca de %5 neste computador em velocidade máxima, cerca de %6 na velocidade da janela de acompanhamento, de %7 gerações por segundo, e um registro de gerações de cerca de %8.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 on this computer at full speed and a generation log of about %6.</source>
        <translation>A partir de uma primeira sequência aleatória deste tamanho: em média %1 gerações (metade de todas as execuções precisa de no máximo %2, nove em dez de no máximo %3), %4 sequências, cerca de %5 neste computador em velocidade máxima e um registro de gerações de cerca de %6.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings, about %5 at the view&apos;s speed of %6 generations a second and a generation log of about %7.</source>
        <translation>A partir de uma primeira sequência aleatória deste tamanho: em média %1 gerações (metade de todas as execuções precisa de no máximo %2, nove em dez de no máximo %3), %4 sequências, cerca de %5 na velocidade da janela de acompanhamento, de %6 gerações por segundo, e um registro de gerações de cerca de %7.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings and a generation log of about %5.</source>
        <translation>A partir de uma primeira sequência aleatória deste tamanho: em média %1 gerações (metade de todas as execuções precisa de no máximo %2, nove em dez de no máximo %3), %4 sequências e um registro de gerações de cerca de %5.</translation>
    </message>
    <message>
        <source>From a random first string of this length: on average %1 generations (half of all runs need at most %2, nine in ten at most %3), %4 strings.</source>
        <translation>A partir de uma primeira sequência aleatória deste tamanho: em média %1 gerações (metade de todas as execuções precisa de no máximo %2, nove em dez de no máximo %3), %4 sequências.</translation>
    </message>
</context>
<context>
    <name>DistributionChart</name>
    <message>
        <source>the %1st percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>the %1nd percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>the %1rd percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>the %1th percentile</source>
        <translation>%1º percentil</translation>
    </message>
    <message>
        <source>27^%1 = %2 strings expected, %3 generations of 20</source>
        <translation>27^%1 = %2 sequências esperadas, %3 gerações de 20</translation>
    </message>
    <message>
        <source>median</source>
        <translation>mediana</translation>
    </message>
    <message>
        <source>mean</source>
        <translation>média</translation>
    </message>
    <message>
        <source>your guess</source>
        <translation>seu palpite</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Busca cega</translation>
    </message>
    <message>
        <source>Generations per run (logarithmic scale)</source>
        <translation>Gerações por execução (escala logarítmica)</translation>
    </message>
    <message>
        <source>Generations per run</source>
        <translation>Gerações por execução</translation>
    </message>
    <message>
        <source>Bars: the share of runs that took so many generations, hatched for each scheme</source>
        <translation>Barras: a fração das execuções que levaram tantas gerações, hachuradas para cada esquema</translation>
    </message>
    <message>
        <source>The line: what chance predicts for a very great number of runs (the exact law)</source>
        <translation>A linha: o que o acaso prevê para um número muito grande de execuções (a lei exata)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted), your guess (dash-dotted)</source>
        <translation>Marcas: média (contínua), mediana (tracejada), 10% e 90% das execuções (pontilhadas), seu palpite (traço e ponto)</translation>
    </message>
    <message>
        <source>Marks: mean (solid), median (dashed), 10% and 90% of runs (dotted)</source>
        <translation>Marcas: média (contínua), mediana (tracejada), 10% e 90% das execuções (pontilhadas)</translation>
    </message>
    <message>
        <source>%1: no run finished</source>
        <translation>%1: nenhuma execução terminou</translation>
    </message>
    <message numerus="yes">
        <source>%1: %2 run(s)</source>
        <translation>
            <numerusform>%1: %2 execução</numerusform>
            <numerusform>%1: %2 execuções</numerusform>
        </translation>
    </message>
    <message>
        <source>Strings per run beside a blind search (logarithmic scale)</source>
        <translation>Sequências por execução, ao lado de uma busca cega (escala logarítmica)</translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below every run: 0 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Seu palpite de %1 está abaixo de todas as execuções: 0 de cada 100 execuções precisam de no máximo %1 geração</numerusform>
            <numerusform>Seu palpite de %1 está abaixo de todas as execuções: 0 de cada 100 execuções precisam de no máximo %1 gerações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is below the 1st percentile: fewer than 1 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Seu palpite de %1 está abaixo do 1º percentil: menos de 1 de cada 100 execuções precisa de no máximo %1 geração</numerusform>
            <numerusform>Seu palpite de %1 está abaixo do 1º percentil: menos de 1 de cada 100 execuções precisa de no máximo %1 gerações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above every run: 100 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Seu palpite de %1 está acima de todas as execuções: 100 de cada 100 execuções precisam de no máximo %1 geração</numerusform>
            <numerusform>Seu palpite de %1 está acima de todas as execuções: 100 de cada 100 execuções precisam de no máximo %1 gerações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is above the 99th percentile: more than 99 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Seu palpite de %1 está acima do 99º percentil: mais de 99 de cada 100 execuções precisam de no máximo %1 geração</numerusform>
            <numerusform>Seu palpite de %1 está acima do 99º percentil: mais de 99 de cada 100 execuções precisam de no máximo %1 gerações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at the 1st percentile: 1 of every 100 runs needs at most %1 generation(s)</source>
        <translation>
            <numerusform>Seu palpite de %1 está no 1º percentil: 1 de cada 100 execuções precisa de no máximo %1 geração</numerusform>
            <numerusform>Seu palpite de %1 está no 1º percentil: 1 de cada 100 execuções precisa de no máximo %1 gerações</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Your guess of %1 is at %2: %3 of every 100 runs need at most %1 generation(s)</source>
        <translation>
            <numerusform>Seu palpite de %1 está no %2: %3 de cada 100 execuções precisam de no máximo %1 geração</numerusform>
            <numerusform>Seu palpite de %1 está no %2: %3 de cada 100 execuções precisam de no máximo %1 gerações</numerusform>
        </translation>
    </message>
    <message>
        <source>Generations per run for &quot;%1&quot;: %2, %3 of %4 runs, interrupted, %5</source>
        <translation>Gerações por execução para “%1”: %2, %3 de %4 execuções, interrompido, %5</translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s) each, %4</source>
        <translation>
            <numerusform>Gerações por execução para “%1”: %2, %3 execução cada, %4</numerusform>
            <numerusform>Gerações por execução para “%1”: %2, %3 execuções cada, %4</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Generations per run for &quot;%1&quot;: %2, %3 run(s), %4</source>
        <translation>
            <numerusform>Gerações por execução para “%1”: %2, %3 execução, %4</numerusform>
            <numerusform>Gerações por execução para “%1”: %2, %3 execuções, %4</numerusform>
        </translation>
    </message>
    <message>
        <source>the drawing could not be started</source>
        <translation>não foi possível começar o desenho</translation>
    </message>
    <message>
        <source>give a file name ending in .png or .svg</source>
        <translation>dê um nome de arquivo terminado em .png ou .svg</translation>
    </message>
</context>
<context>
    <name>HelpTopic</name>
    <message>
        <source>Contents</source>
        <translation>Sumário</translation>
    </message>
    <message>
        <source>Typing your phrase</source>
        <translation>Digitar sua frase</translation>
    </message>
    <message>
        <source>What a target string is</source>
        <translation>O que é uma sequência-alvo</translation>
    </message>
    <message>
        <source>What &quot;Step Two&quot; measures</source>
        <translation>O que o “Passo Dois” mede</translation>
    </message>
    <message>
        <source>Why a blind search is hopeless</source>
        <translation>Por que uma busca cega não tem chance</translation>
    </message>
    <message>
        <source>What &quot;Step Three&quot; does</source>
        <translation>O que o “Passo Três” faz</translation>
    </message>
    <message>
        <source>Why the best random string still gets few letters right</source>
        <translation>Por que a melhor sequência aleatória ainda acerta poucas letras</translation>
    </message>
    <message>
        <source>What &quot;Step Four&quot; does</source>
        <translation>O que o “Passo Quatro” faz</translation>
    </message>
    <message>
        <source>Scheme 1: attenuating selection</source>
        <translation>Esquema 1: seleção atenuante</translation>
    </message>
    <message>
        <source>Scheme 2: serial selection</source>
        <translation>Esquema 2: seleção serial</translation>
    </message>
    <message>
        <source>Scheme 3: sequential selection</source>
        <translation>Esquema 3: seleção sequencial</translation>
    </message>
    <message>
        <source>The generation log</source>
        <translation>O registro de gerações</translation>
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
        <translation>Não é possível gravar na pasta.</translation>
    </message>
    <message>
        <source>The lock file could not be written.</source>
        <translation>Não foi possível gravar o arquivo de bloqueio.</translation>
    </message>
    <message>
        <source>The folder could not be removed.</source>
        <translation>Não foi possível remover a pasta.</translation>
    </message>
    <message>
        <source>The folder is no longer empty, so it was not removed.</source>
        <translation>A pasta não está mais vazia, por isso não foi removida.</translation>
    </message>
    <message>
        <source>an empty folder</source>
        <translation>uma pasta vazia</translation>
    </message>
    <message>
        <source>a folder holding one file or folder</source>
        <translation>uma pasta com um arquivo ou pasta</translation>
    </message>
    <message>
        <source>a folder holding %1 files or folders</source>
        <translation>uma pasta com %1 arquivos ou pastas</translation>
    </message>
    <message>
        <source>a link to %1, which does not exist</source>
        <translation>um link para %1, que não existe</translation>
    </message>
    <message>
        <source>a link to %1</source>
        <translation>um link para %1</translation>
    </message>
    <message>
        <source>a special file (a device, a pipe or a socket)</source>
        <translation>um arquivo especial (um dispositivo, um pipe ou um socket)</translation>
    </message>
    <message>
        <source>Where the lock file of the generation log goes, there is %1. No Quarrow window made it, and no run can lock the log while it is there.

Lock file: %2</source>
        <translation>No lugar do arquivo de bloqueio do registro de gerações há %1. Nenhuma janela do Quarrow o criou, e nenhuma execução pode bloquear o registro enquanto ele estiver lá.

Arquivo de bloqueio: %2</translation>
    </message>
    <message>
        <source>%1 (process %2 on %3)</source>
        <translation>%1 (processo %2 em %3)</translation>
    </message>
    <message>
        <source>Another Quarrow window is running a selection and writing the generation log:
%1

The run was not started. Try again once that run has ended.

Lock file: %2</source>
        <translation>Outra janela do Quarrow está executando uma seleção e gravando o registro de gerações:
%1

A execução não foi iniciada. Tente de novo quando aquela execução terminar.

Arquivo de bloqueio: %2</translation>
    </message>
    <message>
        <source>It could not be removed: %1</source>
        <translation>Não foi possível removê-lo: %1</translation>
    </message>
    <message>
        <source>The run was not started. Move or remove it, then start the run again.</source>
        <translation>A execução não foi iniciada. Mova-o ou remova-o e inicie a execução de novo.</translation>
    </message>
    <message>
        <source>The generation log cannot be locked, so the run was not started: without the lock, another window could write the same log at the same time.

Folder: %1

%2</source>
        <translation>Não é possível bloquear o registro de gerações, por isso a execução não foi iniciada: sem o bloqueio, outra janela poderia gravar o mesmo registro ao mesmo tempo.

Pasta: %1

%2</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>Não iniciar</translation>
    </message>
    <message>
        <source>The generation log is locked by a Quarrow window on another computer:

computer %1, process %2, since %3

Lock file: %4

This computer cannot tell whether that window is still running. If it is, wait until its run has ended: removing the lock would let two runs write one log. If you are sure it is no longer running, remove the lock and start the run.</source>
        <translation>O registro de gerações está bloqueado por uma janela do Quarrow em outro computador:

computador %1, processo %2, desde %3

Arquivo de bloqueio: %4

Este computador não consegue saber se aquela janela ainda está em execução. Se estiver, espere até que a execução dela termine: remover o bloqueio deixaria duas execuções gravarem um só registro. Se você tem certeza de que ela não está mais em execução, remova o bloqueio e inicie a execução.</translation>
    </message>
    <message>
        <source>It is not running: remove the lock</source>
        <translation>Não está em execução: remover o bloqueio</translation>
    </message>
    <message>
        <source>Remove the link and start the run? What it leads to stays.</source>
        <translation>Remover o link e iniciar a execução? Aquilo para onde ele aponta permanece.</translation>
    </message>
    <message>
        <source>Remove it and start the run?</source>
        <translation>Removê-lo e iniciar a execução?</translation>
    </message>
    <message>
        <source>Remove it and start the run</source>
        <translation>Remover e iniciar a execução</translation>
    </message>
    <message>
        <source>under a second</source>
        <translation>menos de um segundo</translation>
    </message>
    <message>
        <source>about %1 minutes</source>
        <translation>cerca de %1 minutos</translation>
    </message>
    <message>
        <source>about %1</source>
        <translation>cerca de %1</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Você quer substituí-lo?</translation>
    </message>
    <message>
        <source>PNG images</source>
        <translation>Imagens PNG</translation>
    </message>
    <message>
        <source>SVG drawings</source>
        <translation>Desenhos SVG</translation>
    </message>
    <message numerus="yes">
        <source>about %Ln second(s)</source>
        <translation>
            <numerusform>cerca de %Ln segundo</numerusform>
            <numerusform>cerca de %Ln segundos</numerusform>
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
        <translation>Passos do tutorial</translation>
    </message>
    <message>
        <source>Step One</source>
        <translation>Passo Um</translation>
    </message>
    <message>
        <source>You Choose A Phrase</source>
        <translation>Você escolhe a frase</translation>
    </message>
    <message>
        <source>&amp;Instructions</source>
        <translation>&amp;Instruções</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Right arrow</source>
        <translation>Seta para a direita</translation>
    </message>
    <message>
        <source>&amp;Explanation</source>
        <translation>&amp;Explicação</translation>
    </message>
    <message>
        <source>Explanation</source>
        <translation>Explicação</translation>
    </message>
    <message>
        <source>This is the &quot;target string&quot;, a.k.a. &quot;selection agent&quot;, a.k.a. &quot;fitness function.&quot; </source>
        <translation>Esta é a “sequência-alvo”, também chamada de “agente seletivo”, também chamada de “função de aptidão”. </translation>
    </message>
    <message>
        <source>Type in your target string (to 50 characters; no numbers or punctuation)</source>
        <translation>Digite sua sequência-alvo (até 50 caracteres; sem números nem pontuação)</translation>
    </message>
    <message>
        <source>Text1</source>
        <translation>Text1</translation>
    </message>
    <message>
        <source>In this box, type in a phrase of up to 50 letters and spaces.  No numbers or punctuation.  </source>
        <translation>Nesta caixa, digite uma frase de até 50 letras e espaços.  Sem números nem pontuação.  </translation>
    </message>
    <message>
        <source>Step Two</source>
        <translation>Passo Dois</translation>
    </message>
    <message>
        <source>Finding How Many Random Strings of Equal Length Exist</source>
        <translation>Quantas sequências aleatórias de igual tamanho existem</translation>
    </message>
    <message>
        <source>Number of random strings generated in one second</source>
        <translation>Sequências aleatórias geradas em um segundo</translation>
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
        <translation>Nº de sequências distintas deste tamanho</translation>
    </message>
    <message>
        <source>Estimated time for your computer to generate a string matching target string</source>
        <translation>Tempo estimado para seu computador gerar uma sequência igual à sequência-alvo</translation>
    </message>
    <message>
        <source>Estimated time in seconds</source>
        <translation>Tempo estimado em segundos</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Estimated time in days</source>
        <translation>Tempo estimado em dias</translation>
    </message>
    <message>
        <source>days</source>
        <translation>dias</translation>
    </message>
    <message>
        <source>Estimated time in years</source>
        <translation>Tempo estimado em anos</translation>
    </message>
    <message>
        <source>year(s)</source>
        <translation>ano(s)</translation>
    </message>
    <message>
        <source>Step Three</source>
        <translation>Passo Três</translation>
    </message>
    <message>
        <source>Let&apos;s Try to Match Target String Randomly</source>
        <translation>Vamos tentar acertar o alvo ao acaso</translation>
    </message>
    <message>
        <source>Number of Strings to Generate:</source>
        <translation>Número de sequências a gerar:</translation>
    </message>
    <message>
        <source>500</source>
        <translation>500</translation>
    </message>
    <message>
        <source>The best match for your target string...</source>
        <translation>A mais parecida com a sequência-alvo...</translation>
    </message>
    <message>
        <source>...was this random string selected from the number of strings you requested</source>
        <translation>...foi esta sequência aleatória, escolhida entre as sequências que você pediu</translation>
    </message>
    <message>
        <source>Number Correct:</source>
        <translation>Letras certas:</translation>
    </message>
    <message>
        <source>The time it took to generate and evaluate this string was...</source>
        <translation>O tempo para gerar e avaliar esta sequência foi de...</translation>
    </message>
    <message>
        <source>Step Four</source>
        <translation>Passo Quatro</translation>
    </message>
    <message>
        <source>Let&apos;s Try Some Natural Selection</source>
        <translation>Vamos tentar a seleção natural</translation>
    </message>
    <message>
        <source>Your Target String:</source>
        <translation>Sua sequência-alvo:</translation>
    </message>
    <message>
        <source>Initial string (randomly generated by computer):</source>
        <translation>Sequência inicial (sorteada pelo computador):</translation>
    </message>
    <message>
        <source>Generate Random Strings</source>
        <translation>Gerar sequências ao acaso</translation>
    </message>
    <message>
        <source>&amp;Gen Explanation</source>
        <translation>Expl. &amp;geração</translation>
    </message>
    <message>
        <source>Gen Explanation</source>
        <translation>Explicação da geração</translation>
    </message>
    <message>
        <source>Down arrow</source>
        <translation>Seta para baixo</translation>
    </message>
    <message>
        <source>Final match was found in this generation:</source>
        <translation>A sequência-alvo foi alcançada na geração:</translation>
    </message>
    <message>
        <source>Divider</source>
        <translation>Divisória</translation>
    </message>
    <message>
        <source>Selection scheme</source>
        <translation>Esquema de seleção</translation>
    </message>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1: Seleção atenuante</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2: Seleção serial</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3: Seleção sequencial</translation>
    </message>
    <message>
        <source>Checking this many total strings (20 each generation):</source>
        <translation>Total de sequências verificadas (20 por geração):</translation>
    </message>
    <message>
        <source>In this many seconds:</source>
        <translation>Em tantos segundos:</translation>
    </message>
    <message>
        <source>&amp;View Text File</source>
        <translation>&amp;Ver arquivo</translation>
    </message>
    <message>
        <source>View Text File</source>
        <translation>Ver arquivo de texto</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Sair</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
</context>
<context>
    <name>Scheme</name>
    <message>
        <source>1: Attenuating Selection</source>
        <translation>1: Seleção atenuante</translation>
    </message>
    <message>
        <source>2: Serial Selection</source>
        <translation>2: Seleção serial</translation>
    </message>
    <message>
        <source>3: Sequential Selection</source>
        <translation>3: Seleção sequencial</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; each wrong letter changes only to a nearer one</source>
        <translation>o 20º descendente torna-se o genitor; cada letra errada só muda para uma mais próxima</translation>
    </message>
    <message>
        <source>the 20th offspring becomes the parent; right letters are kept, wrong ones redrawn</source>
        <translation>o 20º descendente torna-se o genitor; as letras certas são mantidas, as erradas sorteadas de novo</translation>
    </message>
    <message>
        <source>each offspring copies the target&apos;s first letters, one more for every hit before it in this generation; the rest are drawn, and each hit is marked</source>
        <translation>cada descendente copia as primeiras letras do alvo, uma a mais para cada acerto antes dele nesta geração; as demais são sorteadas, e cada acerto é marcado</translation>
    </message>
</context>
<context>
    <name>SearchPages</name>
    <message>
        <source>This makes strings several times more slowly than &quot;Step Two&quot; measured: before every letter, the random generator is started afresh from the clock.</source>
        <translation>Isto gera sequências várias vezes mais devagar do que o “Passo Dois” mediu: antes de cada letra, o gerador aleatório é reiniciado a partir do relógio.</translation>
    </message>
    <message>
        <source>Strings made: %1 of %2
Best so far: %3 of %4 letters right
%5</source>
        <translation>Sequências geradas: %1 de %2
Melhor até agora: %3 de %4 letras certas
%5</translation>
    </message>
    <message>
        <source>The number of strings to generate is too large. One trial makes at most %1 strings; please enter a smaller number.</source>
        <translation>O número de sequências a gerar é grande demais. Uma tentativa gera no máximo %1 sequências; digite um número menor.</translation>
    </message>
    <message>
        <source>Matching the target at random</source>
        <translation>Acertando o alvo ao acaso</translation>
    </message>
    <message>
        <source>Strings made: 0 of %1
%2</source>
        <translation>Sequências geradas: 0 de %1
%2</translation>
    </message>
    <message>
        <source>The trial failed and was stopped: %1.</source>
        <translation>A tentativa falhou e foi interrompida: %1.</translation>
    </message>
    <message>
        <source>The trial was cancelled after %1 of %2 strings. The boxes show the best string made until then.</source>
        <translation>A tentativa foi cancelada após %1 de %2 sequências. As caixas mostram a melhor sequência gerada até então.</translation>
    </message>
</context>
<context>
    <name>SelectionPage</name>
    <message>
        <source>Sequential selection copies the leading letters of the target into every offspring, so the first string cannot be longer than the target.</source>
        <translation>A seleção sequencial copia as primeiras letras do alvo em cada descendente, por isso a primeira sequência não pode ser mais longa que o alvo.</translation>
    </message>
    <message>
        <source>Sequential selection scores its random letters against the first string, place by place, so the first string must be as long as the target.</source>
        <translation>A seleção sequencial pontua suas letras aleatórias comparando-as com a primeira sequência, posição por posição, por isso a primeira sequência precisa ter o mesmo tamanho do alvo.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length.</source>
        <translation>Saia da caixa do alvo para obter uma nova primeira sequência do tamanho dele.</translation>
    </message>
    <message>
        <source>Leave the target box to get a new first string of its length, or type one.</source>
        <translation>Saia da caixa do alvo para obter uma nova primeira sequência do tamanho dele, ou digite uma.</translation>
    </message>
    <message>
        <source>%1 The first string has %2 characters and the target %3.

%4</source>
        <translation>%1 A primeira sequência tem %2 caracteres e o alvo, %3.

%4</translation>
    </message>
    <message>
        <source>The target</source>
        <translation>O alvo</translation>
    </message>
    <message>
        <source>The first string</source>
        <translation>A primeira sequência</translation>
    </message>
    <message>
        <source>%1 holds &quot;%2&quot; at position %3, which is neither a capital letter A to Z nor a space. No random string can ever match it, so the run would never end.

Please use only the letters A to Z and spaces.</source>
        <translation>%1 contém “%2” na posição %3, que não é uma letra maiúscula de A a Z nem um espaço. Nenhuma sequência aleatória pode acertá-lo, então a execução nunca terminaria.

Use apenas as letras de A a Z e espaços.</translation>
    </message>
    <message>
        <source>This run of scheme 3 is likely to be long. Each generation finishes the run with a chance of %1, so a run needs:

%2</source>
        <translation>Esta execução do esquema 3 deve ser longa. Cada geração conclui a execução com uma chance de %1, então uma execução precisa de:

%2</translation>
    </message>
    <message>
        <source>The drive of the generation log has only %1 free, less than the log is expected to need: the run would stop when the drive is full.</source>
        <translation>A unidade do registro de gerações tem apenas %1 livres, menos do que o registro deve precisar: a execução pararia quando a unidade ficasse cheia.</translation>
    </message>
    <message>
        <source>Cancel stops the run at any time. Start it?</source>
        <translation>Cancelar interrompe a execução a qualquer momento. Iniciá-la?</translation>
    </message>
    <message>
        <source>Start the run</source>
        <translation>Iniciar a execução</translation>
    </message>
    <message>
        <source>Don&apos;t start</source>
        <translation>Não iniciar</translation>
    </message>
    <message>
        <source>The folder of the generation log cannot be created:
%1

The run was not started.</source>
        <translation>Não é possível criar a pasta do registro de gerações:
%1

A execução não foi iniciada.</translation>
    </message>
    <message>
        <source>The run failed and was stopped: %1.

The generation log holds every generation written until then.</source>
        <translation>A execução falhou e foi interrompida: %1.

O registro de gerações contém todas as gerações gravadas até então.</translation>
    </message>
    <message>
        <source>The run was stopped in generation %1, before a match was found. The time and strings boxes show the counts until then; the generation box stays empty, as no match was found. The generation log holds every finished generation.</source>
        <translation>A execução foi interrompida na geração %1, antes de se alcançar o alvo. As caixas de tempo e de sequências mostram as contagens até então; a caixa da geração fica vazia, pois o alvo não foi alcançado. O registro de gerações contém todas as gerações concluídas.</translation>
    </message>
    <message>
        <source>The generation log could not be written, so the run was stopped.

%1</source>
        <translation>Não foi possível gravar o registro de gerações, por isso a execução foi interrompida.

%1</translation>
    </message>
    <message>
        <source>The run is still writing the generation log. It can be viewed once the run has finished or been cancelled.</source>
        <translation>A execução ainda está gravando o registro de gerações. Ele pode ser visto quando a execução terminar ou for cancelada.</translation>
    </message>
    <message>
        <source>There is no generation log yet: the first run of &quot;Go&quot; on this page writes it, to
%1</source>
        <translation>Ainda não há registro de gerações: a primeira execução de “Ir” nesta página o grava, em
%1</translation>
    </message>
    <message>
        <source>The generation log is %1 (%2 bytes), too large for many text editors to open comfortably. Open the folder that holds it instead?

%3</source>
        <translation>O registro de gerações tem %1 (%2 bytes), grande demais para muitos editores de texto abrirem com facilidade. Abrir a pasta que o contém em vez disso?

%3</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Open Anyway</source>
        <translation>Abrir mesmo assim</translation>
    </message>
    <message>
        <source>The folder of the generation log could not be opened. It is
%1</source>
        <translation>Não foi possível abrir a pasta do registro de gerações. Ela é
%1</translation>
    </message>
    <message>
        <source>No text editor could be started for the generation log. Open it with an editor of your choice; it is
%1</source>
        <translation>Não foi possível iniciar um editor de texto para o registro de gerações. Abra-o com um editor de sua escolha; ele é
%1</translation>
    </message>
</context>
<context>
    <name>WebPage</name>
    <message>
        <source>Copy link</source>
        <translation>Copiar link</translation>
    </message>
    <message>
        <source>Copy a link to this phrase, step and scheme</source>
        <translation>Copiar um link para esta frase, este passo e este esquema</translation>
    </message>
    <message>
        <source>The link to this set-up is on the clipboard:
%1</source>
        <translation>O link para esta configuração está na área de transferência:
%1</translation>
    </message>
    <message>
        <source>The link could not be put on the clipboard. Copy it from here:
%1</source>
        <translation>Não foi possível colocar o link na área de transferência. Copie-o daqui:
%1</translation>
    </message>
    <message>
        <source>The link&apos;s seed &quot;%1&quot; was ignored: a seed is a whole number from 0 to %2.</source>
        <translation>A semente “%1” do link foi ignorada: uma semente é um número inteiro de 0 a %2.</translation>
    </message>
    <message>
        <source>The link&apos;s step &quot;%1&quot; was ignored: the steps are 1 to 4.</source>
        <translation>O passo “%1” do link foi ignorado: os passos são de 1 a 4.</translation>
    </message>
    <message>
        <source>The link&apos;s scheme &quot;%1&quot; was ignored: the schemes are %2.</source>
        <translation>O esquema “%1” do link foi ignorado: os esquemas são %2.</translation>
    </message>
    <message>
        <source>The link&apos;s phrase was ignored: it is longer than %1 characters.</source>
        <translation>A frase do link foi ignorada: ela tem mais de %1 caracteres.</translation>
    </message>
    <message>
        <source>and</source>
        <translation>e</translation>
    </message>
    <message>
        <source>The link&apos;s setting &quot;%1&quot; is not one this page knows, and was ignored.</source>
        <translation>A configuração “%1” do link não é conhecida por esta página e foi ignorada.</translation>
    </message>
    <message>
        <source>Seeded with %1: every result repeats exactly, as quarrow-lab&apos;s with --seed %1.</source>
        <translation>Semente %1: todo resultado se repete exatamente, como os do quarrow-lab com --seed %1.</translation>
    </message>
    <message>
        <source>Evolving the target</source>
        <translation>Evoluindo rumo ao alvo</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right, %4 strings made</source>
        <translation>Geração %1: %2 de %3 letras certas, %4 sequências geradas</translation>
    </message>
    <message>
        <source>Measuring how many strings this computer makes in a second…</source>
        <translation>Medindo quantas sequências este computador gera em um segundo…</translation>
    </message>
    <message>
        <source>Generation log</source>
        <translation>Registro de gerações</translation>
    </message>
    <message>
        <source>Download</source>
        <translation>Baixar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>The log is %1; this shows its first %2. Download it to read it whole.</source>
        <translation>O registro tem %1; aqui aparecem os primeiros %2. Baixe-o para lê-lo inteiro.</translation>
    </message>
    <message>
        <source>generation.log, in this browser&apos;s storage for the page</source>
        <translation>generation.log, no armazenamento deste navegador para a página</translation>
    </message>
    <message>
        <source>The generation log could not be read: %1</source>
        <translation>Não foi possível ler o registro de gerações: %1</translation>
    </message>
    <message>
        <source>Another tab or window of this browser is running a selection with Quarrow and writing the generation log.

The run was not started. Try again once that run has ended.</source>
        <translation>Outra aba ou janela deste navegador está executando uma seleção com o Quarrow e gravando o registro de gerações.

A execução não foi iniciada. Tente de novo quando aquela execução terminar.</translation>
    </message>
    <message>
        <source>This browser cannot keep a generation log for the page (%1), so the run was not started.</source>
        <translation>Este navegador não consegue manter um registro de gerações para a página (%1), por isso a execução não foi iniciada.</translation>
    </message>
    <message>
        <source>Quarrow has ended. Reload the page to start it again.</source>
        <translation>O Quarrow foi encerrado. Recarregue a página para iniciá-lo de novo.</translation>
    </message>
    <message>
        <source>Quarrow could not start in this browser: %1</source>
        <translation>Não foi possível iniciar o Quarrow neste navegador: %1</translation>
    </message>
    <message>
        <source>This browser does not let the page hold a run in its worker, so the run goes at full speed: Pause, Step and the slower speeds need the page served with cross-origin isolation.</source>
        <translation>Este navegador não deixa a página segurar uma execução no seu worker, então ela corre em velocidade máxima: “Pausar”, “Avançar” e as velocidades mais lentas precisam que a página seja servida com isolamento de origem cruzada.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is ready.</source>
        <translation>Uma nova versão do Quarrow está pronta.</translation>
    </message>
    <message>
        <source>A new version of Quarrow is in use in another tab or window.</source>
        <translation>Uma nova versão do Quarrow está em uso em outra aba ou janela.</translation>
    </message>
    <message>
        <source>Use it now</source>
        <translation>Usar agora</translation>
    </message>
    <message>
        <source>Reload the page with the new version, keeping the phrase, step and scheme</source>
        <translation>Recarrega a página com a nova versão, mantendo a frase, o passo e o esquema</translation>
    </message>
    <message>
        <source>It can be used once the task under way has finished or been cancelled.</source>
        <translation>Ela poderá ser usada quando a tarefa em andamento terminar ou for cancelada.</translation>
    </message>
    <message>
        <source>%1: mean %2 generations, median %3, 10% of runs at most %4, 90% at most %5; the exact law&apos;s mean is %6.</source>
        <translation>%1: média de %2 gerações, mediana %3, 10% das execuções no máximo %4, 90% no máximo %5; a média da lei exata é %6.</translation>
    </message>
    <message>
        <source>Runs done: %1 of %2</source>
        <translation>Execuções feitas: %1 de %2</translation>
    </message>
    <message>
        <source>Save chart as PNG</source>
        <translation>Salvar gráfico como PNG</translation>
    </message>
    <message>
        <source>Save chart as SVG</source>
        <translation>Salvar gráfico como SVG</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>The link&apos;s language &quot;%1&quot; was ignored: the languages are %2.</source>
        <translation>O idioma &quot;%1&quot; do link foi ignorado: os idiomas são %2.</translation>
    </message>
</context>
<context>
    <name>quarrow::BlindSearchLane</name>
    <message>
        <source>Blind search found the target at string %1; on average a blind search needs %2 = %3 strings to match it.</source>
        <translation>A busca cega encontrou o alvo na sequência %1; em média, uma busca cega precisa de %2 = %3 sequências para acertá-lo.</translation>
    </message>
    <message>
        <source>Blind search made %1 strings; its best has %2 of %3 letters right. Matching all %3 would take on average %4 = %5 strings</source>
        <translation>A busca cega gerou %1 sequências; a melhor tem %2 de %3 letras certas. Acertar todas as %3 levaria em média %4 = %5 sequências</translation>
    </message>
    <message>
        <source>%1 years</source>
        <translation>%1 anos</translation>
    </message>
    <message>
        <source>: about %1 at this computer&apos;s rate.</source>
        <translation>: cerca de %1 no ritmo deste computador.</translation>
    </message>
    <message>
        <source>Blind search</source>
        <translation>Busca cega</translation>
    </message>
    <message>
        <source>Blind search:</source>
        <translation>Busca cega:</translation>
    </message>
    <message>
        <source>Blind search&apos;s best string</source>
        <translation>Melhor sequência da busca cega</translation>
    </message>
    <message>
        <source>found the target at string %1</source>
        <translation>encontrou o alvo na sequência %1</translation>
    </message>
    <message>
        <source>%1 of %2 right; %3 strings</source>
        <translation>%1 de %2 certas; %3 sequências</translation>
    </message>
</context>
<context>
    <name>quarrow::DistributionChartWidget</name>
    <message>
        <source>Chart of generations per run</source>
        <translation>Gráfico de gerações por execução</translation>
    </message>
    <message>
        <source>The table below the chart holds its figures.</source>
        <translation>A tabela abaixo do gráfico contém os seus números.</translation>
    </message>
    <message>
        <source>The chart appears once runs are done.</source>
        <translation>O gráfico aparece quando as execuções terminarem.</translation>
    </message>
</context>
<context>
    <name>quarrow::EvolutionView</name>
    <message>
        <source>Step Four: %1</source>
        <translation>Passo Quatro: %1</translation>
    </message>
    <message>
        <source>Expected: %1</source>
        <translation>Esperado: %1</translation>
    </message>
    <message>
        <source>Expected: %1
Chance that the next generation finishes the run: %2, the same for every generation however many have failed before it.</source>
        <translation>Esperado: %1
Chance de a próxima geração concluir a execução: %2, a mesma para toda geração, não importa quantas tenham falhado antes dela.</translation>
    </message>
    <message>
        <source>Run finished.</source>
        <translation>Execução concluída.</translation>
    </message>
    <message>
        <source>Offspring %1 of generation %2 drew the last hit: every letter of the target is now locked.</source>
        <translation>O descendente %1 da geração %2 sorteou o último acerto: todas as letras do alvo estão fixadas agora.</translation>
    </message>
    <message>
        <source>Generation %1 drew the last hit: every letter of the target is now locked.</source>
        <translation>A geração %1 sorteou o último acerto: todas as letras do alvo estão fixadas agora.</translation>
    </message>
    <message>
        <source>The parent matched the target in generation %1.</source>
        <translation>O genitor igualou o alvo na geração %1.</translation>
    </message>
    <message>
        <source>Run stopped: the log could not be written.</source>
        <translation>Execução interrompida: não foi possível gravar o registro.</translation>
    </message>
    <message>
        <source>Run refused.</source>
        <translation>Execução recusada.</translation>
    </message>
    <message>
        <source>less than 1%</source>
        <translation>menos de 1%</translation>
    </message>
    <message>
        <source>more than 99%</source>
        <translation>mais de 99%</translation>
    </message>
    <message>
        <source>No generation was finished.</source>
        <translation>Nenhuma geração foi concluída.</translation>
    </message>
    <message>
        <source>The run is still going on. Do you want to cancel it?

The log keeps every generation finished so far.</source>
        <translation>A execução ainda está em andamento. Você quer cancelá-la?

O registro guarda todas as gerações concluídas até agora.</translation>
    </message>
    <message>
        <source>Cancel the run</source>
        <translation>Cancelar a execução</translation>
    </message>
    <message>
        <source>Keep it running</source>
        <translation>Continuar a execução</translation>
    </message>
    <message>
        <source>Generation: %1</source>
        <translation>Geração: %1</translation>
    </message>
    <message>
        <source>Strings made: %1</source>
        <translation>Sequências geradas: %1</translation>
    </message>
    <message>
        <source>Letters matched: %1 of %2</source>
        <translation>Letras acertadas: %1 de %2</translation>
    </message>
    <message>
        <source>Best of the run: %1 of %2</source>
        <translation>Melhor da execução: %1 de %2</translation>
    </message>
    <message>
        <source>Generations per second: %1</source>
        <translation>Gerações por segundo: %1</translation>
    </message>
    <message>
        <source>Elapsed seconds: %1</source>
        <translation>Segundos decorridos: %1</translation>
    </message>
    <message>
        <source>Computing seconds: %1</source>
        <translation>Segundos de cálculo: %1</translation>
    </message>
    <message>
        <source>Log file size: %1</source>
        <translation>Tamanho do registro: %1</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters matched, the run&apos;s best %4</source>
        <translation>Geração %1: %2 de %3 letras acertadas, melhor da execução %4</translation>
    </message>
    <message>
        <source>Generation %1: %2 of %3 letters right</source>
        <translation>Geração %1: %2 de %3 letras certas</translation>
    </message>
    <message>
        <source>Letters right by generation for &quot;%1&quot;: %2, 1 run from &quot;%3&quot;</source>
        <translation>Letras certas por geração para “%1”: %2, 1 execução a partir de “%3”</translation>
    </message>
    <message>
        <source>Back to the run</source>
        <translation>Voltar à execução</translation>
    </message>
    <message>
        <source>Shows the run&apos;s letters and chart again</source>
        <translation>Mostra de novo as letras e o gráfico da execução</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Salvar dados</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Arquivos CSV</translation>
    </message>
    <message>
        <source>The data could not be written to %1:
%2

The view keeps it; choose another place and save again.</source>
        <translation>Não foi possível gravar os dados em %1:
%2

A janela os guarda; escolha outro local e salve de novo.</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>The chart could not be written to %1:
%2</source>
        <translation>Não foi possível gravar o gráfico em %1:
%2</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %1 generation(s).</source>
        <translation>
            <numerusform>Cancelada após %1 geração.</numerusform>
            <numerusform>Cancelada após %1 gerações.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This run took %1 generation(s); %2 of runs take at most that many.</source>
        <translation>
            <numerusform>Esta execução levou %1 geração; %2 das execuções levam no máximo isso.</numerusform>
            <numerusform>Esta execução levou %1 gerações; %2 das execuções levam no máximo isso.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The prefix each generation reached went from %1 to %2 letters of %3 in %4 generation(s); the run&apos;s best rose to %5.</source>
        <translation>
            <numerusform>O prefixo alcançado por cada geração foi de %1 a %2 letras de %3 em %4 geração; o melhor da execução subiu para %5.</numerusform>
            <numerusform>O prefixo alcançado por cada geração foi de %1 a %2 letras de %3 em %4 gerações; o melhor da execução subiu para %5.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right stayed at %1 of %2 for %3 generation(s).</source>
        <translation>
            <numerusform>As letras certas ficaram em %1 de %2 por %3 geração.</numerusform>
            <numerusform>As letras certas ficaram em %1 de %2 por %3 gerações.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right rose from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>As letras certas subiram de %1 para %2 de %3 em %4 geração.</numerusform>
            <numerusform>As letras certas subiram de %1 para %2 de %3 em %4 gerações.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Letters right fell from %1 to %2 of %3 in %4 generation(s).</source>
        <translation>
            <numerusform>As letras certas caíram de %1 para %2 de %3 em %4 geração.</numerusform>
            <numerusform>As letras certas caíram de %1 para %2 de %3 em %4 gerações.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::FitnessChart</name>
    <message>
        <source>Prefix reached (solid line)</source>
        <translation>Prefixo alcançado (linha contínua)</translation>
    </message>
    <message>
        <source>Letters right</source>
        <translation>Letras certas</translation>
    </message>
    <message>
        <source>Best of the run (dashed line)</source>
        <translation>Melhor da execução (tracejada)</translation>
    </message>
    <message>
        <source>Letters matched</source>
        <translation>Letras acertadas</translation>
    </message>
    <message>
        <source>Generation</source>
        <translation>Geração</translation>
    </message>
    <message>
        <source>Generation (logarithmic)</source>
        <translation>Geração (logarítmica)</translation>
    </message>
    <message>
        <source>Prefix each generation reached, and the run&apos;s best</source>
        <translation>Prefixo alcançado por cada geração e o melhor da execução</translation>
    </message>
    <message>
        <source>Letters right by generation</source>
        <translation>Letras certas por geração</translation>
    </message>
    <message>
        <source>The curve fills in as the run goes on.</source>
        <translation>A curva se completa à medida que a execução avança.</translation>
    </message>
</context>
<context>
    <name>quarrow::HelpViewer</name>
    <message>
        <source>Quarrow Help</source>
        <translation>Ajuda do Quarrow</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Back to the previous topic (Alt+Left)</source>
        <translation>Voltar ao tópico anterior (Alt+Esquerda)</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Forward to the next topic (Alt+Right)</source>
        <translation>Avançar para o próximo tópico (Alt+Direita)</translation>
    </message>
    <message>
        <source>Help topics</source>
        <translation>Tópicos da ajuda</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tópico da ajuda</translation>
    </message>
    <message>
        <source>Quarrow Help: %1</source>
        <translation>Ajuda do Quarrow: %1</translation>
    </message>
</context>
<context>
    <name>quarrow::LettersPanel</name>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1 of %2 right</source>
        <translation>%1 de %2 certas</translation>
    </message>
    <message>
        <source>%1; wrong at position %2</source>
        <translation>%1; errada na posição %2</translation>
    </message>
    <message>
        <source>%1; wrong at positions %2</source>
        <translation>%1; erradas nas posições %2</translation>
    </message>
    <message>
        <source>%1, at position %2</source>
        <translation>%1, na posição %2</translation>
    </message>
    <message>
        <source>%1, at positions %2</source>
        <translation>%1, nas posições %2</translation>
    </message>
    <message>
        <source>Target:</source>
        <translation>Alvo:</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Scored against:</source>
        <translation>Comparada com:</translation>
    </message>
    <message>
        <source>First string, which the random tail is scored against</source>
        <translation>Primeira sequência, com a qual a parte aleatória é comparada</translation>
    </message>
    <message>
        <source>This generation:</source>
        <translation>Esta geração:</translation>
    </message>
    <message>
        <source>Last offspring of the generation</source>
        <translation>Último descendente da geração</translation>
    </message>
    <message>
        <source>Parent:</source>
        <translation>Genitor:</translation>
    </message>
    <message>
        <source>Current parent</source>
        <translation>Genitor atual</translation>
    </message>
    <message>
        <source>Each offspring copies the first letters of the target (blue: locked) and draws the rest at random. A drawn letter that equals the first string&apos;s letter at its place is a hit (green) and locks one more letter of the target for the next offspring. Every generation starts again with nothing locked.</source>
        <translation>Cada descendente copia as primeiras letras do alvo (azul: fixadas) e sorteia as demais ao acaso. Uma letra sorteada igual à letra da primeira sequência na mesma posição é um acerto (verde) e fixa mais uma letra do alvo para o próximo descendente. Cada geração recomeça sem nada fixado.</translation>
    </message>
    <message>
        <source>%1. Locked: %2, %3.</source>
        <translation>%1. Fixadas: %2, %3.</translation>
    </message>
    <message>
        <source>Hits in the random tail at positions %1.</source>
        <translation>Acertos na parte aleatória nas posições %1.</translation>
    </message>
    <message>
        <source>%1 hits in the random tail.</source>
        <translation>%1 acertos na parte aleatória.</translation>
    </message>
    <message>
        <source>%1 of %2 letters matched.</source>
        <translation>%1 de %2 letras acertadas.</translation>
    </message>
    <message numerus="yes">
        <source>the first %Ln letter(s)</source>
        <translation>
            <numerusform>a primeira %Ln letra</numerusform>
            <numerusform>as primeiras %Ln letras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quarrow::OffspringPanel</name>
    <message>
        <source>Offspring %1: %2, %3</source>
        <translation>Descendente %1: %2, %3</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right</source>
        <translation>Descendente %1: %2 de %3 certas</translation>
    </message>
    <message>
        <source>Offspring of this generation</source>
        <translation>Descendentes desta geração</translation>
    </message>
    <message>
        <source>Blue: copied from the target; green: a hit.</source>
        <translation>Azul: copiada do alvo; verde: um acerto.</translation>
    </message>
    <message>
        <source>Offspring of generation %1</source>
        <translation>Descendentes da geração %1</translation>
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
        <translation>igual ao alvo</translation>
    </message>
    <message>
        <source>next parent</source>
        <translation>próximo genitor</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hit(s)</source>
        <translation>
            <numerusform>%Ln acerto</numerusform>
            <numerusform>%Ln acertos</numerusform>
        </translation>
    </message>
    <message>
        <source>The 20th offspring always becomes the next parent, even when another offspring has more letters right.</source>
        <translation>O 20º descendente sempre se torna o próximo genitor, mesmo quando outro descendente tem mais letras certas.</translation>
    </message>
    <message>
        <source>more letters right, but not chosen: the 20th offspring always is</source>
        <translation>mais letras certas, mas não escolhido: o escolhido é sempre o 20º descendente</translation>
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
        <translation>não escolhido</translation>
    </message>
    <message>
        <source>Bold, underlined: right; italic: changed; plain: kept; “%1”: %2.</source>
        <translation>Negrito e sublinhado: certa; itálico: mudou; normal: mantida; “%1”: %2.</translation>
    </message>
    <message>
        <source>Offspring %1: %2, %3, every letter now locked</source>
        <translation>Descendente %1: %2, %3, todas as letras fixadas agora</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, matches the target</source>
        <translation>Descendente %1: %2 de %3 certas, igual ao alvo</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, next parent</source>
        <translation>Descendente %1: %2 de %3 certas, próximo genitor</translation>
    </message>
    <message>
        <source>Offspring %1: %2 of %3 right, more letters right, but not chosen: the 20th offspring always is</source>
        <translation>Descendente %1: %2 de %3 certas, mais letras certas, mas não escolhido: o escolhido é sempre o 20º descendente</translation>
    </message>
</context>
<context>
    <name>quarrow::Quarrow</name>
    <message>
        <source>A run is going on. Wait until it has finished, or cancel it, before you start another.</source>
        <translation>Há uma execução em andamento. Espere até que ela termine, ou cancele-a, antes de iniciar outra.</translation>
    </message>
    <message>
        <source>Opens the help topic &quot;%1&quot;</source>
        <translation>Abre o tópico da ajuda “%1”</translation>
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
        <translation>Salvar gráfico...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Salvar dados...</translation>
    </message>
    <message>
        <source>Repeat: %1</source>
        <translation>Repetir: %1</translation>
    </message>
    <message>
        <source>Runs of each scheme</source>
        <translation>Execuções de cada esquema</translation>
    </message>
    <message>
        <source>Seed</source>
        <translation>Semente</translation>
    </message>
    <message>
        <source>&amp;Runs of each scheme:</source>
        <translation>&amp;Execuções de cada esquema:</translation>
    </message>
    <message>
        <source>Schemes:</source>
        <translation>Esquemas:</translation>
    </message>
    <message>
        <source>S&amp;eed:</source>
        <translation>Se&amp;mente:</translation>
    </message>
    <message>
        <source>Your guess (generations)</source>
        <translation>Seu palpite (gerações)</translation>
    </message>
    <message>
        <source>optional</source>
        <translation>opcional</translation>
    </message>
    <message>
        <source>Your &amp;guess (generations):</source>
        <translation>Seu &amp;palpite (gerações):</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tempo:</translation>
    </message>
    <message>
        <source>Figures of the runs</source>
        <translation>Números das execuções</translation>
    </message>
    <message>
        <source>Scheme</source>
        <translation>Esquema</translation>
    </message>
    <message>
        <source>Runs finished</source>
        <translation>Execuções concluídas</translation>
    </message>
    <message>
        <source>Mean</source>
        <translation>Média</translation>
    </message>
    <message>
        <source>SD</source>
        <translation>DP</translation>
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
        <translation>Lei exata</translation>
    </message>
    <message>
        <source>Generations per run, over the runs that finished. Exact law: what chance predicts for a very great number of runs, its mean and, in brackets, its 10%, median and 90%.</source>
        <translation>Gerações por execução, nas execuções concluídas. Lei exata: o que o acaso prevê para um número muito grande de execuções, sua média e, entre parênteses, seus 10%, mediana e 90%.</translation>
    </message>
    <message>
        <source>Measuring how fast this computer runs...</source>
        <translation>Medindo a velocidade deste computador...</translation>
    </message>
    <message>
        <source>Choose at least one scheme.</source>
        <translation>Escolha pelo menos um esquema.</translation>
    </message>
    <message>
        <source>Each scheme needs at least %1 runs, and at most %2; %3 are too few.</source>
        <translation>Cada esquema precisa de pelo menos %1 execuções e no máximo %2; %3 são poucas demais.</translation>
    </message>
    <message>
        <source>The batch failed (%1). The figures below are from the last batch that ran; Start tries again.</source>
        <translation>O lote falhou (%1). Os números abaixo são do último lote executado; Iniciar tenta de novo.</translation>
    </message>
    <message>
        <source>its results are incomplete</source>
        <translation>seus resultados estão incompletos</translation>
    </message>
    <message>
        <source>Generations per run, %1; the Exact law column gives the exact law&apos;s mean and, in brackets, its 10th percentile, median and 90th percentile.</source>
        <translation>Gerações por execução, %1; a coluna Lei exata dá a média da lei exata e, entre parênteses, seu 10º percentil, mediana e 90º percentil.</translation>
    </message>
    <message>
        <source>%1 (%2, %3, %4)</source>
        <translation>%1 (%2, %3, %4)</translation>
    </message>
    <message>
        <source>Save chart</source>
        <translation>Salvar gráfico</translation>
    </message>
    <message>
        <source>The chart could not be saved to %1: %2.</source>
        <translation>Não foi possível salvar o gráfico em %1: %2.</translation>
    </message>
    <message>
        <source>Your guess must be a whole number of generations, such as 30. Leave the box empty to run without a guess.</source>
        <translation>Seu palpite precisa ser um número inteiro de gerações, como 30. Deixe a caixa vazia para executar sem palpite.</translation>
    </message>
    <message>
        <source>no batch has finished yet</source>
        <translation>nenhum lote terminou ainda</translation>
    </message>
    <message>
        <source>Save data</source>
        <translation>Salvar dados</translation>
    </message>
    <message>
        <source>The data could not be saved to %1: %2. The window keeps it; choose another place and save again.</source>
        <translation>Não foi possível salvar os dados em %1: %2. A janela os guarda; escolha outro local e salve de novo.</translation>
    </message>
    <message>
        <source>CSV files</source>
        <translation>Arquivos CSV</translation>
    </message>
    <message>
        <source>seed %1</source>
        <translation>semente %1</translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 will take %2 on %n core(s); fewer runs, or leaving it out, shortens that.</source>
        <translation>
            <numerusform>O esquema %1 vai levar %2 em %n núcleo; menos execuções, ou deixá-lo de fora, encurtam isso.</numerusform>
            <numerusform>O esquema %1 vai levar %2 em %n núcleos; menos execuções, ou deixá-lo de fora, encurtam isso.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Scheme %1 is left out: it would take %2 on %n core(s).</source>
        <translation>
            <numerusform>O esquema %1 fica de fora: levaria %2 em %n núcleo.</numerusform>
            <numerusform>O esquema %1 fica de fora: levaria %2 em %n núcleos.</numerusform>
        </translation>
    </message>
    <message>
        <source>The other schemes take a moment.</source>
        <translation>Os outros esquemas levam um instante.</translation>
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
        <translation>um erro desconhecido</translation>
    </message>
</context>
<context>
    <name>quarrow::ViewControls</name>
    <message>
        <source>Pause</source>
        <translation>Pausar</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Keep this window open after the run</source>
        <translation>Manter esta janela aberta após a execução</translation>
    </message>
    <message>
        <source>Save chart...</source>
        <translation>Salvar gráfico...</translation>
    </message>
    <message>
        <source>Save data...</source>
        <translation>Salvar dados...</translation>
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
        <translation>Pausa a execução após a geração em curso (Espaço)</translation>
    </message>
    <message>
        <source>Runs exactly one more generation while paused (Right arrow)</source>
        <translation>Executa exatamente mais uma geração enquanto pausada (Seta para a direita)</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Generations a second; slower than full speed, the view shows each generation&apos;s offspring. The choice holds for the next runs too.</source>
        <translation>Gerações por segundo; abaixo da velocidade máxima, a janela mostra os descendentes de cada geração. A escolha vale também para as próximas execuções.</translation>
    </message>
    <message>
        <source>Full speed</source>
        <translation>Velocidade máxima</translation>
    </message>
    <message>
        <source>%1 a second</source>
        <translation>%1 por segundo</translation>
    </message>
    <message>
        <source>Speed:</source>
        <translation>Velocidade:</translation>
    </message>
    <message>
        <source>Leave the finished chart on the screen when the run ends</source>
        <translation>Deixa o gráfico concluído na tela quando a execução termina</translation>
    </message>
    <message>
        <source>Saves the chart with its title as a PNG picture or an SVG drawing</source>
        <translation>Salva o gráfico com seu título como imagem PNG ou desenho SVG</translation>
    </message>
    <message>
        <source>Saves a row for each generation (letters right, strings made) as a CSV file</source>
        <translation>Salva uma linha por geração (letras certas, sequências geradas) como arquivo CSV</translation>
    </message>
    <message>
        <source>Stops the run; the log keeps every generation finished so far</source>
        <translation>Interrompe a execução; o registro guarda todas as gerações concluídas até agora</translation>
    </message>
    <message>
        <source>Run this target many times with each scheme and compare the distribution with the exact law and blind search</source>
        <translation>Executa este alvo muitas vezes com cada esquema e compara a distribuição com a lei exata e a busca cega</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Lets the run go on at the chosen speed (Space)</source>
        <translation>Deixa a execução seguir na velocidade escolhida (Espaço)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Closes this window</source>
        <translation>Fecha esta janela</translation>
    </message>
    <message numerus="yes">
        <source>%Ln generation(s) a second</source>
        <translation>
            <numerusform>%Ln geração por segundo</numerusform>
            <numerusform>%Ln gerações por segundo</numerusform>
        </translation>
    </message>
</context>
</TS>
