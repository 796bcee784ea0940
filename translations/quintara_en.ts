<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>FileScoreStore</name>
    <message>
        <source>le fichier « %1 » n&apos;a pas pu être lu (%2).</source>
        <translation>the file “%1” could not be read (%2).</translation>
    </message>
    <message>
        <source>le fichier « %1 » n&apos;a pas pu être écrit (%2).</source>
        <translation>the file “%1” could not be written (%2).</translation>
    </message>
    <message>
        <source>il est trop long pour être une liste de scores</source>
        <translation>it is too long to be a list of scores</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Vous ne pouvez plus jouer ici</source>
        <translation>You cannot play here</translation>
    </message>
    <message>
        <source>ATTENTION !!!</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Ordinateur constate que l&apos;espace de jeu est devenu trop petit. Il va donc changer de feuille</source>
        <translation>There is no room left for a new game on this sheet, so the computer is starting a new sheet</translation>
    </message>
    <message>
        <source>Plus aucune intersection n&apos;est libre : la partie est nulle et ne compte pour personne. Une nouvelle feuille commence</source>
        <translation>No crossing is free any more: the game is a draw and counts for nobody. A new sheet begins</translation>
    </message>
    <message>
        <source>Plus aucune intersection n&apos;est libre. Une nouvelle feuille commence</source>
        <translation>No crossing is free any more. A new sheet begins</translation>
    </message>
    <message>
        <source>%1 A vous de jouer     </source>
        <translation>%1, your move</translation>
    </message>
    <message>
        <source>Joueur 1</source>
        <translation>Player 1</translation>
    </message>
    <message>
        <source>Ordinateur</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>%1 remporte le match. La revenche quand vous voulez</source>
        <translation>%1 wins the match. A rematch whenever you like</translation>
    </message>
    <message>
        <source>%1 remporte le match. Bravo!</source>
        <translation>%1 wins the match. Well done!</translation>
    </message>
    <message>
        <source>Voulez vous rejouer</source>
        <translation>Would you like to play again?</translation>
    </message>
    <message>
        <source>Si vous changez de feuille alors que la partie n&apos;est pas terminée le point ira à Ordinateur. Voulez vous tout de même changer de feuille?</source>
        <translation>If you start a new sheet before this game is over, the computer wins the game. Start a new sheet anyway?</translation>
    </message>
    <message>
        <source>Si vous changez de niveau alors que la partie n&apos;est pas terminée le point ira à Ordinateur. Voulez vous tout de même changer de niveau?</source>
        <translation>If you change the level before this game is over, the computer wins the game. Change the level anyway?</translation>
    </message>
    <message>
        <source>Les meilleurs scores n&apos;ont pas pu être enregistrés : %1</source>
        <translation>The best scores could not be saved: %1</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, vide</source>
        <translation>Row %1, column %2, empty</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, point vert</source>
        <translation>Row %1, column %2, green point</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, point rouge</source>
        <translation>Row %1, column %2, red point</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, zone fermée</source>
        <translation>Row %1, column %2, closed area</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, point vert, zone fermée</source>
        <translation>Row %1, column %2, green point, closed area</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, point rouge, zone fermée</source>
        <translation>Row %1, column %2, red point, closed area</translation>
    </message>
    <message>
        <source>Ligne %1, colonne %2, zone non jouable</source>
        <translation>Row %1, column %2, out of play</translation>
    </message>
    <message>
        <source>Ordinateur : ligne %1, colonne %2</source>
        <translation>Computer: row %1, column %2</translation>
    </message>
    <message>
        <source>Partie gagnée par %1. Parties : %2 à %3</source>
        <translation>Game won by %1. Games: %2 to %3</translation>
    </message>
    <message>
        <source>Partie gagnée par l&apos;ordinateur. Parties : %1 à %2</source>
        <translation>Game won by the computer. Games: %1 to %2</translation>
    </message>
    <message>
        <source>Manche gagnée par %1. Manches : %2 à %3</source>
        <translation>Set won by %1. Sets: %2 to %3</translation>
    </message>
    <message>
        <source>Manche gagnée par l&apos;ordinateur. Manches : %1 à %2</source>
        <translation>Set won by the computer. Sets: %1 to %2</translation>
    </message>
    <message>
        <source>Parties gagnées par %1 : %2</source>
        <translation>Games won by %1: %2</translation>
    </message>
    <message>
        <source>Parties gagnées par l&apos;ordinateur : %1</source>
        <translation>Games won by the computer: %1</translation>
    </message>
    <message>
        <source>Manches gagnées par %1 : %2</source>
        <translation>Sets won by %1: %2</translation>
    </message>
    <message>
        <source>Manches gagnées par l&apos;ordinateur : %1</source>
        <translation>Sets won by the computer: %1</translation>
    </message>
    <message>
        <source>Feuille agrandie : %1, %2</source>
        <translation>Sheet enlarged: %1, %2</translation>
    </message>
    <message numerus="yes">
        <source>%n lignes</source>
        <translation>
            <numerusform>%n row</numerusform>
            <numerusform>%n rows</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n colonnes</source>
        <translation>
            <numerusform>%n column</numerusform>
            <numerusform>%n columns</numerusform>
        </translation>
    </message>
    <message>
        <source>Nouvelle feuille</source>
        <translation>New sheet</translation>
    </message>
    <message>
        <source>Son activé</source>
        <translation>Sound on</translation>
    </message>
    <message>
        <source>Son désactivé</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>Coup annulé : ligne %1, colonne %2</source>
        <translation>Move taken back: row %1, column %2</translation>
    </message>
    <message>
        <source>Conseil : ligne %1, colonne %2</source>
        <translation>Hint: row %1, column %2</translation>
    </message>
    <message>
        <source>Les règles de l&apos;ordinateur ne trouvent aucun coup à conseiller ici</source>
        <translation>The computer&apos;s rules find no move to suggest here</translation>
    </message>
</context>
<context>
    <name>MessageBoxes</name>
    <message>
        <source>&amp;Oui</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>&amp;Non</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>RulesWindow</name>
    <message>
        <source>Comment jouer ?</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>pour jouer il suffit de cliquer à l&apos;intersection de deux lignes.</source>
        <translation>To play, click where two lines of the grid cross.</translation>
    </message>
    <message>
        <source>Il est possible de jouer  plusieurs parties  sur la même feuille,</source>
        <translation>Several games are played on the same sheet: a finished</translation>
    </message>
    <message>
        <source>mais vous pouvez changer de  feuille au  début de chaque </source>
        <translation>game is framed, and the next one goes in the space left.</translation>
    </message>
    <message>
        <source>partie.</source>
        <translation>File, New sheet starts a clean sheet at any time.</translation>
    </message>
    <message>
        <source>Ceux qui n &apos;aiment pas cliquer pourront utiliser le viseur.</source>
        <translation>Without a mouse, move the cross-hair with the arrow keys.</translation>
    </message>
    <message>
        <source>La partie</source>
        <translation>A game</translation>
    </message>
    <message>
        <source>Pour gagner une partie il faut arriver à former un alignement </source>
        <translation>To win a game, be the first to line up five or more of</translation>
    </message>
    <message>
        <source>de cinq points sur  une même ligne ( horizontale, verticale ou  </source>
        <translation>your points in an unbroken row: across, down or</translation>
    </message>
    <message>
        <source>diagonale) . </source>
        <translation>diagonally.</translation>
    </message>
    <message>
        <source>La manche</source>
        <translation>A set</translation>
    </message>
    <message>
        <source>Le premier joueur qui gagne trois parties remporte la manche.</source>
        <translation>The first player to win five games wins the set.</translation>
    </message>
    <message>
        <source>Le jeu</source>
        <translation>The match</translation>
    </message>
    <message>
        <source>Le vainqueur est celui qui, le premier, remporte trois </source>
        <translation>The winner is the first player to win three</translation>
    </message>
    <message>
        <source>manches.</source>
        <translation>sets.</translation>
    </message>
</context>
<context>
    <name>SheetAccessible</name>
    <message>
        <source>Ligne %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>Colonne %1</source>
        <translation>Column %1</translation>
    </message>
</context>
<context>
    <name>quintara::ui::MainWindow</name>
    <message>
        <source>&amp;Fichier</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Nouvelle feuille</source>
        <translation>&amp;New sheet</translation>
    </message>
    <message>
        <source>&amp;Changer de niveau</source>
        <translation>&amp;Change level</translation>
    </message>
    <message>
        <source>&amp;Statistique</source>
        <translation>&amp;Statistics</translation>
    </message>
    <message>
        <source>&amp;Quitter</source>
        <translation>&amp;Quit</translation>
    </message>
    <message>
        <source>Sons</source>
        <translation>Sounds</translation>
    </message>
    <message>
        <source>Son 1</source>
        <translation>Sound 1</translation>
    </message>
    <message>
        <source>Son 2</source>
        <translation>Sound 2</translation>
    </message>
    <message>
        <source>Désactiver le son</source>
        <translation>Sound off</translation>
    </message>
    <message>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <source>&amp;Partie</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>Annuler le coup</source>
        <translation>Take back move</translation>
    </message>
    <message>
        <source>Conseil</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Marquer les points rouges d&apos;une croix</source>
        <translation>Mark red points with a cross</translation>
    </message>
</context>
<context>
    <name>quintara::ui::OpponentDialog</name>
    <message>
        <source>Quintara version 2</source>
        <translation>Quintara version 2</translation>
    </message>
    <message>
        <source>Adversaires</source>
        <translation>Opponents</translation>
    </message>
    <message>
        <source>Autres</source>
        <translation>Someone else</translation>
    </message>
    <message>
        <source>Joueur vert</source>
        <translation>Green player</translation>
    </message>
    <message>
        <source>Joueur rouge</source>
        <translation>Red player</translation>
    </message>
    <message>
        <source>contre</source>
        <translation>against</translation>
    </message>
    <message>
        <source>Niveaux</source>
        <translation>Levels</translation>
    </message>
    <message>
        <source>Niveau %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Joueur 2</source>
        <translation>Player 2</translation>
    </message>
</context>
<context>
    <name>quintara::ui::RulesWindow</name>
    <message>
        <source>Quintara  Version 2</source>
        <translation>Quintara version 2</translation>
    </message>
    <message>
        <source>Annuler</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>quintara::ui::ScoreBoardPanel</name>
    <message>
        <source>Parties</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>Manches</source>
        <translation>Sets</translation>
    </message>
    <message>
        <source>%1 vert</source>
        <translation>%1, green</translation>
    </message>
    <message>
        <source>%1 rouge</source>
        <translation>%1, red</translation>
    </message>
</context>
<context>
    <name>quintara::ui::SheetWidget</name>
    <message>
        <source>Feuille</source>
        <translation>Sheet</translation>
    </message>
</context>
<context>
    <name>quintara::ui::StatisticsWindow</name>
    <message>
        <source>  Nombre de parties gagnées au cours de ce match</source>
        <translation>  Games won in this match</translation>
    </message>
    <message>
        <source>Niveau %1</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>%1 vert</source>
        <translation>%1, green</translation>
    </message>
    <message>
        <source>%1 rouge</source>
        <translation>%1, red</translation>
    </message>
    <message>
        <source>%1 : parties gagnées par le joueur vert</source>
        <translation>%1: games won by the green player</translation>
    </message>
    <message>
        <source>%1 : parties gagnées par le joueur rouge</source>
        <translation>%1: games won by the red player</translation>
    </message>
    <message>
        <source>Les meilleurs scores réalisés contres l&apos;ordinateur</source>
        <translation>Best scores against the computer</translation>
    </message>
    <message>
        <source>Les meilleurs scores</source>
        <translation>Best scores</translation>
    </message>
    <message>
        <source>JOUEURS</source>
        <translation>PLAYERS</translation>
    </message>
    <message>
        <source>SCORES</source>
        <translation>SCORES</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Vos points pour ce match : %1</source>
        <translation>Your points for this match: %1</translation>
    </message>
</context>
<context>
    <name>quintara::ui::StatusBar</name>
    <message>
        <source>      Vous survolez une zone non jouable</source>
        <translation>      This part of the sheet is out of play</translation>
    </message>
</context>
<context>
    <name>quintara::ui::TopBar</name>
    <message>
        <source>Niveau %1</source>
        <translation>Level %1</translation>
    </message>
</context>
<context>
    <name>quintara::ui::TurnIndicator</name>
    <message>
        <source>Indicateur de tour</source>
        <translation>Turn indicator</translation>
    </message>
</context>
</TS>
