<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="de_DE">
    <context>
        <name></name>
        <message id="839">
            <source>
TeX File 
Tex File 
TeX-Dateien (*.tex)
.tex
Scriblet.Document
Scriblet Document</source>
            <translation>
Fichier TeX 
Fichier TeX 
Fichiers TeX (*.tex)
.tex
Scriblet.Document
Scriblet Document</translation>
        </message>
        <message id="20000">
            <source>Scriblet</source>
            <translation>Scriblet</translation>
        </message>
        <message id="20001">
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message id="20002">
            <source>Abbrechen</source>
            <translation>Annuler</translation>
        </message>
        <message id="20003">
            <source>&amp;Datei</source>
            <translation>&amp;Fichier</translation>
        </message>
        <message id="20004">
            <source>&amp;Bearbeiten</source>
            <translation>É&amp;dition</translation>
        </message>
        <message id="20005">
            <source>&amp;Ansicht</source>
            <translation>&amp;Affichage</translation>
        </message>
        <message id="20006">
            <source>&amp;TeX</source>
            <translation>&amp;TeX</translation>
        </message>
        <message id="20007">
            <source>&amp;Einstellungen</source>
            <translation>&amp;Paramètres</translation>
        </message>
        <message id="20008">
            <source>&amp;Projekt</source>
            <translation>P&amp;rojet</translation>
        </message>
        <message id="20009">
            <source>&amp;Fenster</source>
            <translation>Fe&amp;nêtre</translation>
        </message>
        <message id="20010">
            <source>&amp;?</source>
            <translation>&amp;?</translation>
        </message>
        <message id="20011">
            <source>&amp;Ausführen</source>
            <translation>E&amp;xécuter</translation>
        </message>
        <message id="20012">
            <source>Hinzufügen von</source>
            <translation>Ajouter</translation>
        </message>
        <message id="20013">
            <source>&amp;Hinzufügen von</source>
            <translation>&amp;Ajouter</translation>
        </message>
        <message id="20014">
            <source>&amp;Neu</source>
            <translation>&amp;Nouveau</translation>
        </message>
        <message id="20015">
            <source>Ö&amp;ffnen...</source>
            <translation>&amp;Ouvrir...</translation>
        </message>
        <message id="20016">
            <source>S&amp;chließen</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message id="20017">
            <source>&amp;Speichern</source>
            <translation>&amp;Enregistrer</translation>
        </message>
        <message id="20018">
            <source>Speichern &amp;unter...</source>
            <translation>Enregistrer &amp;sous...</translation>
        </message>
        <message id="20019">
            <source>&amp;Alles Speichern</source>
            <translation>Enregistrer &amp;tout</translation>
        </message>
        <message id="20020">
            <source>&amp;Beenden</source>
            <translation>&amp;Quitter</translation>
        </message>
        <message id="20021">
            <source>&amp;Rückgängig</source>
            <translation>&amp;Annuler</translation>
        </message>
        <message id="20022">
            <source>&amp;Wiederherstellen</source>
            <translation>&amp;Rétablir</translation>
        </message>
        <message id="20023">
            <source>&amp;Ausschneiden</source>
            <translation>Co&amp;uper</translation>
        </message>
        <message id="20024">
            <source>&amp;Kopieren</source>
            <translation>&amp;Copier</translation>
        </message>
        <message id="20025">
            <source>&amp;Einfügen</source>
            <translation>Co&amp;ller</translation>
        </message>
        <message id="20026">
            <source>Alles &amp;markieren</source>
            <translation>&amp;Tout sélectionner</translation>
        </message>
        <message id="20027">
            <source>&amp;Suchen...</source>
            <translation>&amp;Rechercher...</translation>
        </message>
        <message id="20028">
            <source>&amp;Weitersuchen</source>
            <translation>Rechercher le &amp;suivant</translation>
        </message>
        <message id="20029">
            <source>&amp;Ersetzen...</source>
            <translation>Rem&amp;placer...</translation>
        </message>
        <message id="20030">
            <source>&amp;Zeilenumbruch</source>
            <translation>&amp;Retour à la ligne</translation>
        </message>
        <message id="20031">
            <source>Schrift&amp;art...</source>
            <translation>&amp;Police...</translation>
        </message>
        <message id="20032">
            <source>&amp;Makros</source>
            <translation>&amp;Macros</translation>
        </message>
        <message id="20033">
            <source>&amp;Umlaute</source>
            <translation>&amp;Trémas</translation>
        </message>
        <message id="20034">
            <source>Ü&amp;berlappend</source>
            <translation>&amp;Cascade</translation>
        </message>
        <message id="20035">
            <source>&amp;Nebeneinander</source>
            <translation>&amp;Mosaïque</translation>
        </message>
        <message id="20036">
            <source>&amp;Symbole anordnen</source>
            <translation>&amp;Réorganiser les icônes</translation>
        </message>
        <message id="20037">
            <source>&amp;Info</source>
            <translation>À &amp;propos</translation>
        </message>
        <message id="20038">
            <source>&amp;Symbolleiste</source>
            <translation>Barre d'&amp;outils</translation>
        </message>
        <message id="20039">
            <source>&amp;Statusleiste</source>
            <translation>Barre d'é&amp;tat</translation>
        </message>
        <message id="20040">
            <source>P&amp;feile</source>
            <translation>&amp;Flèches</translation>
        </message>
        <message id="20041">
            <source>&amp;Binäre Operatoren</source>
            <translation>Opérateurs &amp;binaires</translation>
        </message>
        <message id="20042">
            <source>&amp;Akzente</source>
            <translation>&amp;Accents</translation>
        </message>
        <message id="20043">
            <source>&amp;Relationen</source>
            <translation>&amp;Relations</translation>
        </message>
        <message id="20044">
            <source>&amp;gr. Buchstaben</source>
            <translation>Lettres &amp;grecques</translation>
        </message>
        <message id="20045">
            <source>&amp;sonstige Symbole</source>
            <translation>Autres &amp;symboles</translation>
        </message>
        <message id="20046">
            <source>&amp;Makros</source>
            <translation>&amp;Macros</translation>
        </message>
        <message id="20047">
            <source>&amp;Logbereich</source>
            <translation>Zone du &amp;journal</translation>
        </message>
        <message id="20048">
            <source>&amp;Projektbereich</source>
            <translation>Zone du &amp;projet</translation>
        </message>
        <message id="20049">
            <source>&amp;LaTeX</source>
            <translation>&amp;LaTeX</translation>
        </message>
        <message id="20050">
            <source>&amp;BibTeX</source>
            <translation>&amp;BibTeX</translation>
        </message>
        <message id="20051">
            <source>&amp;DVIWin</source>
            <translation>&amp;DVIWin</translation>
        </message>
        <message id="20052">
            <source>&amp;DVI -&gt; PS</source>
            <translation>&amp;DVI -&gt; PS</translation>
        </message>
        <message id="20053">
            <source>&amp;GhostView</source>
            <translation>&amp;GhostView</translation>
        </message>
        <message id="20054">
            <source>&amp;Haupt-TeX-Dokument</source>
            <translation>Document TeX &amp;principal</translation>
        </message>
        <message id="20055">
            <source>&amp;Programmaufrufe</source>
            <translation>A&amp;ppels de programmes</translation>
        </message>
        <message id="20056">
            <source>&amp;Neu</source>
            <translation>&amp;Nouveau</translation>
        </message>
        <message id="20057">
            <source>Ö&amp;ffnen...</source>
            <translation>&amp;Ouvrir...</translation>
        </message>
        <message id="20058">
            <source>S&amp;chließen</source>
            <translation>&amp;Fermer</translation>
        </message>
        <message id="20059">
            <source>&amp;Speichern...</source>
            <translation>&amp;Enregistrer...</translation>
        </message>
        <message id="20060">
            <source>Speichern &amp;unter...</source>
            <translation>Enregistrer &amp;sous...</translation>
        </message>
        <message id="20061">
            <source>&amp;TeX-Dokument</source>
            <translation>Document &amp;TeX</translation>
        </message>
        <message id="20062">
            <source>&amp;Löschen</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message id="20063">
            <source>&amp;Neu Laden...</source>
            <translation>&amp;Recharger...</translation>
        </message>
        <message id="20064">
            <source>Dokumente</source>
            <translation>Documents</translation>
        </message>
        <message id="20065">
            <source>Scriblet wird beendet...</source>
            <translation>Scriblet se ferme...</translation>
        </message>
        <message id="20066">
            <source>Änderungen in %s speichern?</source>
            <translation>Enregistrer les modifications de %s ?</translation>
        </message>
        <message id="20067">
            <source>%s enthält Zeichen, die in der Kodierung der Datei nicht gespeichert werden können.
Soll die Datei in UTF-8 gespeichert werden?</source>
            <translation>%s contient des caractères que l'encodage du fichier ne peut pas contenir.
Enregistrer le fichier en UTF-8 ?</translation>
        </message>
        <message id="20068">
            <source>%s konnte nicht gespeichert werden:
%s</source>
            <translation>%s n'a pas pu être enregistré :
%s</translation>
        </message>
        <message id="20069">
            <source>%s konnte nicht geöffnet werden:
%s</source>
            <translation>%s n'a pas pu être ouvert :
%s</translation>
        </message>
        <message id="20070">
            <source>Die Datei existiert nicht.</source>
            <translation>Le fichier n'existe pas.</translation>
        </message>
        <message id="20071">
            <source>Das ist keine gewöhnliche Datei; sie kann nicht als Dokument geöffnet werden.</source>
            <translation>Ce n'est pas un fichier ordinaire ; il ne peut pas être ouvert comme document.</translation>
        </message>
        <message id="20072">
            <source>Die Datei ist zu groß (%s MB); höchstens %s MB können bearbeitet werden.</source>
            <translation>Le fichier est trop volumineux (%s Mo) ; au plus %s Mo peuvent être modifiés.</translation>
        </message>
        <message id="20073">
            <source>Auf die Datei kann nicht zugegriffen werden.</source>
            <translation>Le fichier est inaccessible.</translation>
        </message>
        <message id="20074">
            <source>Die Datei enthält Zeichen, die in ihrer Kodierung nicht gespeichert werden können.</source>
            <translation>Le fichier contient des caractères que son encodage ne peut pas contenir.</translation>
        </message>
        <message id="20075">
            <source>Can't find:
 '%s' file 
or
 '%s' file</source>
            <translation>Introuvable :
 fichier '%s' 
ou
 fichier '%s'</translation>
        </message>
        <message id="20076">
            <source>Choose Language</source>
            <translation>Choisir la langue</translation>
        </message>
        <message id="20077">
            <source>Deutsch</source>
            <translation>Deutsch</translation>
        </message>
        <message id="20078">
            <source>English</source>
            <translation>English</translation>
        </message>
        <message id="20079">
            <source>Français</source>
            <translation>Français</translation>
        </message>
        <message id="20080">
            <source>Scriblet 2.0r</source>
            <translation>Scriblet 2.0r</translation>
        </message>
        <message id="20081">
            <source>Lizenz</source>
            <translation>Licence</translation>
        </message>
        <message id="20082">
            <source>Unable to open hyperlink:

</source>
            <translation>Impossible d'ouvrir le lien :

</translation>
        </message>
        <message id="20083">
            <source>Suche beendet...</source>
            <translation>Recherche terminée...</translation>
        </message>
        <message id="20084">
            <source>Suchen</source>
            <translation>Rechercher</translation>
        </message>
        <message id="20085">
            <source>Ersetzen</source>
            <translation>Remplacer</translation>
        </message>
        <message id="20086">
            <source>Suchen &amp;nach:</source>
            <translation>&amp;Rechercher :</translation>
        </message>
        <message id="20087">
            <source>Suchen nach</source>
            <translation>Rechercher</translation>
        </message>
        <message id="20088">
            <source>Ersetzen &amp;durch:</source>
            <translation>Remplacer &amp;par :</translation>
        </message>
        <message id="20089">
            <source>Ersetzen durch</source>
            <translation>Remplacer par</translation>
        </message>
        <message id="20090">
            <source>&amp;Groß-/Kleinschreibung</source>
            <translation>Respecter la &amp;casse</translation>
        </message>
        <message id="20091">
            <source>&amp;Weitersuchen</source>
            <translation>&amp;Suivant</translation>
        </message>
        <message id="20092">
            <source>&amp;Ersetzen</source>
            <translation>&amp;Remplacer</translation>
        </message>
        <message id="20093">
            <source>&amp;Alle ersetzen</source>
            <translation>Remplacer &amp;tout</translation>
        </message>
        <message id="20094">
            <source>Schriftart</source>
            <translation>Police</translation>
        </message>
        <message id="20095">
            <source>Makro %s wird in den Text eingefügt...</source>
            <translation>La macro %s est insérée dans le texte...</translation>
        </message>
        <message id="20096">
            <source>Makro %s</source>
            <translation>Macro %s</translation>
        </message>
        <message id="20097">
            <source>Shift +</source>
            <translation>Maj +</translation>
        </message>
        <message id="20098">
            <source>Name:</source>
            <translation>Nom :</translation>
        </message>
        <message id="20099">
            <source>Text</source>
            <translation>Texte</translation>
        </message>
        <message id="20100">
            <source>Umlaute</source>
            <translation>Trémas</translation>
        </message>
        <message id="20101">
            <source>ä :</source>
            <translation>ä :</translation>
        </message>
        <message id="20102">
            <source>Ä :</source>
            <translation>Ä :</translation>
        </message>
        <message id="20103">
            <source>ö :</source>
            <translation>ö :</translation>
        </message>
        <message id="20104">
            <source>Ö :</source>
            <translation>Ö :</translation>
        </message>
        <message id="20105">
            <source>ü :</source>
            <translation>ü :</translation>
        </message>
        <message id="20106">
            <source>Ü :</source>
            <translation>Ü :</translation>
        </message>
        <message id="20107">
            <source>ß :</source>
            <translation>ß :</translation>
        </message>
        <message id="20108">
            <source>Hide Docked Window</source>
            <translation>Masquer la fenêtre ancrée</translation>
        </message>
        <message id="20109">
            <source>Minimize Docked Window</source>
            <translation>Réduire la fenêtre ancrée</translation>
        </message>
        <message id="20110">
            <source>Logbereich</source>
            <translation>Zone du journal</translation>
        </message>
        <message id="20111">
            <source>Log</source>
            <translation>Journal</translation>
        </message>
        <message id="20112">
            <source>Projektbereich</source>
            <translation>Zone du projet</translation>
        </message>
        <message id="20113">
            <source>Für das aktuelle Dokument: die Zeile frei lassen !</source>
            <translation>Pour le document actuel : laisser la ligne vide !</translation>
        </message>
        <message id="20114">
            <source>&amp;Durchsuchen...</source>
            <translation>&amp;Parcourir...</translation>
        </message>
        <message id="20115">
            <source>Durchsuchen...</source>
            <translation>Parcourir...</translation>
        </message>
        <message id="20116">
            <source>Löschen</source>
            <translation>Effacer</translation>
        </message>
        <message id="20117">
            <source>exe - Datei</source>
            <translation>fichier exe</translation>
        </message>
        <message id="20118">
            <source>cmd - Zeile</source>
            <translation>ligne cmd</translation>
        </message>
        <message id="20119">
            <source>führe zunächst LaTex aus</source>
            <translation>exécuter d'abord LaTeX</translation>
        </message>
        <message id="20120">
            <source>führe zunächst DVIPS aus</source>
            <translation>exécuter d'abord DVIPS</translation>
        </message>
        <message id="20121">
            <source>%s : Haupt-TeX-Dokument</source>
            <translation>%s : document TeX principal</translation>
        </message>
        <message id="20122">
            <source>%s : Bib-TeX-Dokument</source>
            <translation>%s : document BibTeX</translation>
        </message>
        <message id="20123">
            <source>%s : DVI-Dokument</source>
            <translation>%s : document DVI</translation>
        </message>
        <message id="20124">
            <source>%s : PS-Dokument</source>
            <translation>%s : document PS</translation>
        </message>
        <message id="20125">
            <source>Benutzerprogramme:</source>
            <translation>Programmes utilisateur :</translation>
        </message>
        <message id="20126">
            <source>Benutzerprogramme</source>
            <translation>Programmes utilisateur</translation>
        </message>
        <message id="20127">
            <source>Name</source>
            <translation>Nom</translation>
        </message>
        <message id="20128">
            <source>zunächst LaTeX</source>
            <translation>d'abord LaTeX</translation>
        </message>
        <message id="20129">
            <source>zunächst DVIPS</source>
            <translation>d'abord DVIPS</translation>
        </message>
        <message id="20130">
            <source>Tasten</source>
            <translation>Touches</translation>
        </message>
        <message id="20131">
            <source>Tasten:</source>
            <translation>Touches :</translation>
        </message>
        <message id="20132">
            <source>&gt;&gt; Endung mit eingeben! &lt;&lt;</source>
            <translation>&gt;&gt; Saisir aussi l'extension ! &lt;&lt;</translation>
        </message>
        <message id="20133">
            <source>Parameter:
%&lt;p&gt;s, %&lt;p&gt;c, %&lt;p&gt;m</source>
            <translation>Paramètres :
%&lt;p&gt;s, %&lt;p&gt;c, %&lt;p&gt;m</translation>
        </message>
        <message id="20134">
            <source>Ctrl + F%i</source>
            <translation>Ctrl + F%i</translation>
        </message>
        <message id="20135">
            <source>LaTeX</source>
            <translation>LaTeX</translation>
        </message>
        <message id="20136">
            <source>BibTeX</source>
            <translation>BibTeX</translation>
        </message>
        <message id="20137">
            <source>DVIWin</source>
            <translation>DVIWin</translation>
        </message>
        <message id="20138">
            <source>DVI PS</source>
            <translation>DVI PS</translation>
        </message>
        <message id="20139">
            <source>Ghost View</source>
            <translation>Ghost View</translation>
        </message>
        <message id="20140">
            <source>Benutzerdefiniert</source>
            <translation>Définis par l'utilisateur</translation>
        </message>
        <message id="20141">
            <source>Projekt</source>
            <translation>Projet</translation>
        </message>
        <message id="20142">
            <source>Projektnamen eingeben</source>
            <translation>Saisir le nom du projet</translation>
        </message>
        <message id="20143">
            <source>too many files !!</source>
            <translation>trop de fichiers !!</translation>
        </message>
        <message id="20144">
            <source>too many toc entries !!</source>
            <translation>trop d'entrées dans la table des matières !!</translation>
        </message>
        <message id="20145">
            <source>error reading file</source>
            <translation>erreur de lecture du fichier</translation>
        </message>
        <message id="20146">
            <source>no project-files!</source>
            <translation>aucun fichier de projet !</translation>
        </message>
        <message id="20147">
            <source>no TOC-file!</source>
            <translation>aucun fichier TOC !</translation>
        </message>
        <message id="20148">
            <source>Die Projekt-Datei %s konnte nicht geöffnet werden.
%s</source>
            <translation>Le fichier de projet %s n'a pas pu être ouvert.
%s</translation>
        </message>
        <message id="20149">
            <source>&amp;Sprache</source>
            <translation>&amp;Langue</translation>
        </message>
        <message id="20150">
            <source>englische &amp;LaTeX2e - Hilfe</source>
            <translation>Aide &amp;LaTeX2e en anglais</translation>
        </message>
        <message id="20151">
            <source>Die Sprachdatei %s ist nicht verwendbar (%s); die Oberfläche bleibt deutsch.</source>
            <translation>Le fichier de langue %s est inutilisable (%s) ; l'interface reste en allemand.</translation>
        </message>
        <message id="20152">
            <source>sie fehlt</source>
            <translation>il est absent</translation>
        </message>
        <message id="20153">
            <source>sie kann nicht gelesen werden</source>
            <translation>il ne peut pas être lu</translation>
        </message>
        <message id="20154">
            <source>%s Texte fehlen</source>
            <translation>il manque %s textes</translation>
        </message>
        <message id="20155">
            <source>&amp;Benutzer-Programme</source>
            <translation>Programmes &amp;utilisateur</translation>
        </message>
        <message id="20156">
            <source>Ein weiterer Programmstart hat Namen übergeben, die nicht eindeutig zu trennen sind (ein Name enthält &quot;;&quot;). Es wurde nichts geöffnet:
%s</source>
            <translation>Un autre lancement du programme a transmis des noms impossibles à séparer (un nom contient &quot;;&quot;). Rien n'a été ouvert :
%s</translation>
        </message>
        <message id="20157">
            <source>The operating system is out
of memory or resources.</source>
            <translation>Le système d'exploitation manque
de mémoire ou de ressources.</translation>
        </message>
        <message id="20158">
            <source>The specified file was not found.</source>
            <translation>Le fichier indiqué est introuvable.</translation>
        </message>
        <message id="20159">
            <source>The specified path was not found.</source>
            <translation>Le chemin indiqué est introuvable.</translation>
        </message>
        <message id="20160">
            <source>The operating system denied
access to the specified file.</source>
            <translation>Le système d'exploitation a refusé
l'accès au fichier indiqué.</translation>
        </message>
        <message id="20161">
            <source>There was not enough memory to complete the operation.</source>
            <translation>La mémoire était insuffisante pour terminer l'opération.</translation>
        </message>
        <message id="20162">
            <source>The .EXE file is invalid
(non-Win32 .EXE or error in .EXE image).</source>
            <translation>Le fichier .EXE n'est pas valide
(.EXE non Win32 ou erreur dans l'image .EXE).</translation>
        </message>
        <message id="20163">
            <source>A sharing violation occurred. </source>
            <translation>Une violation de partage s'est produite. </translation>
        </message>
        <message id="20164">
            <source>The filename association is
incomplete or invalid.</source>
            <translation>L'association du nom de fichier est
incomplète ou non valide.</translation>
        </message>
        <message id="20165">
            <source>The DDE transaction could not
be completed because the request timed out.</source>
            <translation>La transaction DDE n'a pas pu
être terminée : la demande a expiré.</translation>
        </message>
        <message id="20166">
            <source>The DDE transaction failed.</source>
            <translation>La transaction DDE a échoué.</translation>
        </message>
        <message id="20167">
            <source>The DDE transaction could not
be completed because other DDE transactions
were being processed.</source>
            <translation>La transaction DDE n'a pas pu
être terminée car d'autres transactions DDE
étaient en cours.</translation>
        </message>
        <message id="20168">
            <source>There is no application associated
with the given filename extension.</source>
            <translation>Aucune application n'est associée
à l'extension de ce nom de fichier.</translation>
        </message>
        <message id="20169">
            <source>The specified dynamic-link library was not found.</source>
            <translation>La bibliothèque de liens dynamiques indiquée est introuvable.</translation>
        </message>
        <message id="20170">
            <source>Unknown Error (%d) occurred.</source>
            <translation>Une erreur inconnue (%d) s'est produite.</translation>
        </message>
        <message id="20171">
            <source>&amp;Nächster Fehler</source>
            <translation>Erreur &amp;suivante</translation>
        </message>
        <message id="20172">
            <source>&amp;Vorheriger Fehler</source>
            <translation>Erreur &amp;précédente</translation>
        </message>
        <message id="20173">
            <source>%s beendet – Fehler: %s, Warnungen: %s, Bad Boxes: %s</source>
            <translation>%s terminé – erreurs : %s, avertissements : %s, bad boxes : %s</translation>
        </message>
        <message id="20174">
            <source>%s beendet – Fehler: %s, Warnungen: %s</source>
            <translation>%s terminé – erreurs : %s, avertissements : %s</translation>
        </message>
        <message id="20175">
            <source>%s wurde abgebrochen.</source>
            <translation>%s a été interrompu.</translation>
        </message>
        <message id="20176">
            <source>%s wurde abgebrochen, bevor ein neues Log geschrieben war.
Das Log des vorigen Laufs wird nicht gezeigt.</source>
            <translation>%s a été interrompu avant d'écrire un nouveau journal.
Le journal de l'exécution précédente n'est pas affiché.</translation>
        </message>
        <message id="20177">
            <source>[Der Anfang des Logs wurde abgeschnitten: die ersten %s Zeilen werden nicht gezeigt.]</source>
            <translation>[Le début du journal a été coupé : les %s premières lignes ne sont pas affichées.]</translation>
        </message>
        <message id="20178">
            <source>Das Log enthält keine Fehler.</source>
            <translation>Le journal ne contient aucune erreur.</translation>
        </message>
        <message id="20179">
            <source>Fehler %s von %s: %s</source>
            <translation>Erreur %s sur %s : %s</translation>
        </message>
        <message id="20180">
            <source>Das Log nennt zu diesem Eintrag keine Datei.</source>
            <translation>Le journal n'indique aucun fichier pour cette entrée.</translation>
        </message>
        <message id="20181">
            <source>Im Log suchen</source>
            <translation>Rechercher dans le journal</translation>
        </message>
        <message id="20182">
            <source>Ergebnis des letzten Laufs</source>
            <translation>Résultat de la dernière exécution</translation>
        </message>
        <message id="20183">
            <source>Programm: %s
Grund: %s</source>
            <translation>Programme : %s
Raison : %s</translation>
        </message>
        <message id="20184">
            <source>Das Programm wurde weder unter diesem Namen noch in den Ordnern des Suchpfads (PATH) gefunden.</source>
            <translation>Le programme est introuvable sous ce nom comme dans les dossiers du chemin de recherche (PATH).</translation>
        </message>
        <message id="20185">
            <source>Der Ordner %s existiert nicht.</source>
            <translation>Le dossier %s n'existe pas.</translation>
        </message>
        <message id="20186">
            <source>%s (nicht aktuell)</source>
            <translation>%s (pas à jour)</translation>
        </message>
        <message id="20187">
            <source>Der letzte LaTeX-Lauf ist fehlgeschlagen; gezeigt wird das letzte vollständige Inhaltsverzeichnis.</source>
            <translation>La dernière exécution de LaTeX a échoué ; la dernière table des matières complète est affichée.</translation>
        </message>
        <message id="20188">
            <source>Sy&amp;ntax-Highlighting</source>
            <translation>&amp;Coloration syntaxique</translation>
        </message>
        <message id="20189">
            <source>Syntax-Highlighting</source>
            <translation>Coloration syntaxique</translation>
        </message>
        <message id="20190">
            <source>Syntax-Highlighting</source>
            <translation>Coloration syntaxique</translation>
        </message>
        <message id="20191">
            <source>Farbe für</source>
            <translation>Couleur pour</translation>
        </message>
        <message id="20192">
            <source>\ (La)TeX Kommandos</source>
            <translation>\ commandes (La)TeX</translation>
        </message>
        <message id="20193">
            <source>[] eckige Klammern</source>
            <translation>[] crochets</translation>
        </message>
        <message id="20194">
            <source>{} geschweifte Klammern</source>
            <translation>{} accolades</translation>
        </message>
        <message id="20195">
            <source>% Bemerkung</source>
            <translation>% commentaire</translation>
        </message>
        <message id="20196">
            <source>$ mathematischer Mode</source>
            <translation>$ mode mathématique</translation>
        </message>
        <message id="20197">
            <source>normaler Text</source>
            <translation>texte normal</translation>
        </message>
        <message id="20198">
            <source>Hintergrund</source>
            <translation>Arrière-plan</translation>
        </message>
        <message id="20199">
            <source>&amp;Default</source>
            <translation>&amp;Par défaut</translation>
        </message>
        <message id="20200">
            <source>&amp;Farbe</source>
            <translation>&amp;Couleur</translation>
        </message>
        <message id="20201">
            <source>Farbe</source>
            <translation>Couleur</translation>
        </message>
        <message id="20202">
            <source>&amp;Drucken...</source>
            <translation>&amp;Imprimer...</translation>
        </message>
        <message id="20203">
            <source>Seitenan&amp;sicht</source>
            <translation>Aperç&amp;u avant impression</translation>
        </message>
        <message id="20204">
            <source>Se&amp;ite einrichten</source>
            <translation>Mise en pa&amp;ge</translation>
        </message>
        <message id="20205">
            <source>Seite einrichten</source>
            <translation>Mise en page</translation>
        </message>
        <message id="20206">
            <source>&amp;Kopfzeile:</source>
            <translation>&amp;En-tête :</translation>
        </message>
        <message id="20207">
            <source>&amp;Fußzeile:</source>
            <translation>&amp;Pied de page :</translation>
        </message>
        <message id="20208">
            <source>Der Drucker %s konnte nicht angesprochen werden.
Es wurde nichts gedruckt.</source>
            <translation>L'imprimante %s n'a pas pu être atteinte.
Rien n'a été imprimé.</translation>
        </message>
        <message id="20209">
            <source>Seitenansicht</source>
            <translation>Aperçu avant impression</translation>
        </message>
        <message id="20210">
            <source>Wiederherstellung - Scriblet</source>
            <translation>Récupération - Scriblet</translation>
        </message>
        <message id="20211">
            <source>Von %s gibt es eine ungespeicherte Fassung vom %s, die Scriblet aufbewahrt hat, weil es nicht ordnungsgemäß beendet wurde.

Wiederherstellen: das Dokument wird mit diesem Text geöffnet (noch nicht gespeichert).
Verwerfen: die aufbewahrte Fassung wird gelöscht.
Später entscheiden: Scriblet fragt beim nächsten Start wieder.</source>
            <translation>Il existe une version non enregistrée de %s datant du %s, que Scriblet a conservée parce qu'il n'a pas été fermé correctement.

Restaurer : le document s'ouvre avec ce texte (pas encore enregistré).
Abandonner : la version conservée est supprimée.
Décider plus tard : Scriblet reposera la question au prochain démarrage.</translation>
        </message>
        <message id="20212">
            <source>%s (nie gespeichert)</source>
            <translation>%s (jamais enregistré)</translation>
        </message>
        <message id="20213">
            <source>&amp;Wiederherstellen</source>
            <translation>&amp;Restaurer</translation>
        </message>
        <message id="20214">
            <source>&amp;Verwerfen</source>
            <translation>&amp;Abandonner</translation>
        </message>
        <message id="20215">
            <source>&amp;Später entscheiden</source>
            <translation>Décider plus &amp;tard</translation>
        </message>
        <message id="20216">
            <source>Die aufbewahrte Fassung %s kann nicht gelesen werden:
%s

Sie bleibt erhalten und wird nicht gelöscht.</source>
            <translation>La version conservée %s ne peut pas être lue :
%s

Elle est gardée et n'est pas supprimée.</translation>
        </message>
        <message id="20217">
            <source>Die Sicherung für die Wiederherstellung nach einem Absturz konnte nicht geschrieben werden:
%s

(Diese Meldung erscheint nur einmal.)</source>
            <translation>La sauvegarde servant à la récupération après un plantage n'a pas pu être écrite :
%s

(Ce message n'apparaît qu'une seule fois.)</translation>
        </message>
        <message id="20218">
            <source>%s wurde von einem anderen Programm geändert.

Neu laden und die Änderungen in Scriblet verwerfen?
(Nein: Ihre Fassung bleibt geöffnet.)</source>
            <translation>%s a été modifié par un autre programme.

Le recharger et abandonner les modifications faites dans Scriblet ?
(Non : votre version reste ouverte.)</translation>
        </message>
        <message id="20219">
            <source>%s wurde seit dem Laden von einem anderen Programm geändert.

Trotzdem speichern und die andere Fassung ersetzen?</source>
            <translation>%s a été modifié par un autre programme depuis son chargement.

Enregistrer quand même et remplacer l'autre version ?</translation>
        </message>
        <message id="20220">
            <source>Zugriff verweigert.</source>
            <translation>Accès refusé.</translation>
        </message>
        <message id="20221">
            <source>Der Datenträger oder die Datei ist schreibgeschützt.</source>
            <translation>Le support ou le fichier est protégé en écriture.</translation>
        </message>
        <message id="20222">
            <source>Auf dem Datenträger ist kein Platz mehr frei (oder das Kontingent ist erschöpft).</source>
            <translation>Il n'y a plus de place libre sur le support (ou le quota est épuisé).</translation>
        </message>
        <message id="20223">
            <source>Das ist ein Ordner, keine Datei.</source>
            <translation>C'est un dossier, pas un fichier.</translation>
        </message>
        <message id="20224">
            <source>Der Name ist zu lang.</source>
            <translation>Le nom est trop long.</translation>
        </message>
        <message id="20225">
            <source>Das Gerät meldet einen Ein-/Ausgabefehler.</source>
            <translation>Le périphérique signale une erreur d'entrée/sortie.</translation>
        </message>
        <message id="20226">
            <source>Fehler des Systems (%s).</source>
            <translation>Erreur du système (%s).</translation>
        </message>
        <message id="20227">
            <source>Der private Kanal, über den ein weiterer Start seine Dateien an dieses Fenster übergibt, kann nicht benutzt werden:
%s

Scriblet läuft ohne ihn; ein weiterer Start öffnet ein eigenes Fenster.</source>
            <translation>Le canal privé par lequel un autre lancement transmet ses fichiers à cette fenêtre ne peut pas être utilisé :
%s

Scriblet fonctionne sans lui ; un autre lancement ouvre sa propre fenêtre.</translation>
        </message>
        <message id="20228">
            <source>Die Einstellungen können nicht gespeichert werden:
%s
%s

Änderungen der Einstellungen gehen beim Beenden verloren. (Diese Meldung erscheint nur einmal.)</source>
            <translation>Les paramètres ne peuvent pas être enregistrés :
%s
%s

Les modifications des paramètres seront perdues à la fermeture. (Ce message n'apparaît qu'une seule fois.)</translation>
        </message>
        <message id="20229">
            <source>Die Makros können nicht gelesen werden:
%s
%s

Bis die Datei lesbar ist, gelten die vorgegebenen Makros; die Datei bleibt unverändert.</source>
            <translation>Les macros ne peuvent pas être lues :
%s
%s

Tant que le fichier n'est pas lisible, les macros par défaut s'appliquent ; le fichier reste inchangé.</translation>
        </message>
        <message id="20230">
            <source>Diese Dateien wurden nicht in
%s gefunden !!

%s</source>
            <translation>Ces fichiers sont introuvables dans
%s !!

%s</translation>
        </message>
        <message id="20231">
            <source>&amp;Anpassen...</source>
            <translation>&amp;Personnaliser...</translation>
        </message>
        <message id="20232">
            <source>&amp;Löschen</source>
            <translation>&amp;Supprimer</translation>
        </message>
        <message id="20233">
            <source>&amp;Aussehen...</source>
            <translation>&amp;Apparence...</translation>
        </message>
        <message id="20234">
            <source>&amp;Bild</source>
            <translation>&amp;Image</translation>
        </message>
        <message id="20235">
            <source>&amp;Text</source>
            <translation>&amp;Texte</translation>
        </message>
        <message id="20236">
            <source>Bild &amp;und Text</source>
            <translation>Image &amp;et texte</translation>
        </message>
        <message id="20237">
            <source>&amp;Gruppierung</source>
            <translation>&amp;Groupe</translation>
        </message>
        <message id="20238">
            <source>Aussehen der Schaltfläche</source>
            <translation>Apparence du bouton</translation>
        </message>
        <message id="20239">
            <source>Schaltflächen&amp;text:</source>
            <translation>&amp;Texte du bouton :</translation>
        </message>
        <message id="20240">
            <source>&amp;Kategorien:</source>
            <translation>&amp;Catégories :</translation>
        </message>
        <message id="20241">
            <source>&amp;Befehle:</source>
            <translation>C&amp;ommandes :</translation>
        </message>
        <message id="20242">
            <source>Ziehen Sie einen Befehl auf eine Leiste. Schaltflächen lassen sich auf den Leisten verschieben; eine Schaltfläche, die von der Leiste gezogen wird, wird entfernt.</source>
            <translation>Faites glisser une commande sur une barre. Les boutons se déplacent sur les barres ; un bouton glissé hors de sa barre est supprimé.</translation>
        </message>
        <message id="20243">
            <source>Schließen</source>
            <translation>Fermer</translation>
        </message>
        <message id="20244">
            <source>Befehl %d ist nicht mehr vorhanden</source>
            <translation>La commande %d n'existe plus</translation>
        </message>
        <message id="32781">
            <source>Auswahl der Schriftart für die Dokumente</source>
            <translation>Choix de la police des documents</translation>
        </message>
        <message id="32783">
            <source>Blendet die Pfeil-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre des flèches.</translation>
        </message>
        <message id="32784">
            <source>\leftarrow
\leftarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\leftarrow
\leftarrow </translation>
        </message>
        <message id="32785">
            <source>\Leftarrow
\Leftarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Leftarrow
\Leftarrow </translation>
        </message>
        <message id="32786">
            <source>\longleftarrow
\longleftarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\longleftarrow
\longleftarrow </translation>
        </message>
        <message id="32787">
            <source>\Longleftarrow
\Longleftarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Longleftarrow
\Longleftarrow </translation>
        </message>
        <message id="32788">
            <source>\rightarrow
\rightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\rightarrow
\rightarrow </translation>
        </message>
        <message id="32789">
            <source>\Rightarrow
\Rightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Rightarrow
\Rightarrow </translation>
        </message>
        <message id="32790">
            <source>\longrightarrow
\longrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\longrightarrow
\longrightarrow </translation>
        </message>
        <message id="32791">
            <source>\Longrightarrow
\Longrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Longrightarrow
\Longrightarrow </translation>
        </message>
        <message id="32792">
            <source>\leftrightarrow
\leftrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\leftrightarrow
\leftrightarrow </translation>
        </message>
        <message id="32793">
            <source>\longleftrightarrow
\longleftrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\longleftrightarrow
\longleftrightarrow </translation>
        </message>
        <message id="32794">
            <source>\Leftrightarrow
\Leftrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Leftrightarrow
\Leftrightarrow </translation>
        </message>
        <message id="32795">
            <source>\Longleftrightarrow
\Longleftrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Longleftrightarrow
\Longleftrightarrow </translation>
        </message>
        <message id="32796">
            <source>\uparrow
\uparrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\uparrow
\uparrow </translation>
        </message>
        <message id="32797">
            <source>\Uparrow
\Uparrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Uparrow
\Uparrow </translation>
        </message>
        <message id="32798">
            <source>\downarrow
\downarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\downarrow
\downarrow </translation>
        </message>
        <message id="32799">
            <source>\Downarrow
\Downarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Downarrow
\Downarrow </translation>
        </message>
        <message id="32800">
            <source>\updownarrow
\updownarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\updownarrow
\updownarrow </translation>
        </message>
        <message id="32801">
            <source>\Updownarrow
\Updownarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Updownarrow
\Updownarrow </translation>
        </message>
        <message id="32802">
            <source>\nearrow
\nearrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\nearrow
\nearrow </translation>
        </message>
        <message id="32803">
            <source>\searrow
\searrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\searrow
\searrow </translation>
        </message>
        <message id="32804">
            <source>\swarrow
\swarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\swarrow
\swarrow </translation>
        </message>
        <message id="32805">
            <source>\nwarrow
\nwarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\nwarrow
\nwarrow </translation>
        </message>
        <message id="32806">
            <source>\mapsto
\mapsto </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\mapsto
\mapsto </translation>
        </message>
        <message id="32807">
            <source>\longmapsto
\longmapsto </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\longmapsto
\longmapsto </translation>
        </message>
        <message id="32808">
            <source>\hookleftarrow
\hookleftarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\hookleftarrow
\hookleftarrow </translation>
        </message>
        <message id="32809">
            <source>\hookrightarrow
\hookrightarrow </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\hookrightarrow
\hookrightarrow </translation>
        </message>
        <message id="32810">
            <source>\leftharpoonup
\leftharpoonup </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\leftharpoonup
\leftharpoonup </translation>
        </message>
        <message id="32811">
            <source>\leftharpoondown
\leftharpoondown </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\leftharpoondown
\leftharpoondown </translation>
        </message>
        <message id="32812">
            <source>\rightharpoonup
\rightharpoonup </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\rightharpoonup
\rightharpoonup </translation>
        </message>
        <message id="32813">
            <source>\rightharpoondown
\rightharpoondown </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\rightharpoondown
\rightharpoondown </translation>
        </message>
        <message id="32814">
            <source>\rightleftharpoons
\rightleftharpoons </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\rightleftharpoons
\rightleftharpoons </translation>
        </message>
        <message id="32816">
            <source>\pm
\pm </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\pm
\pm </translation>
        </message>
        <message id="32817">
            <source>Blendet die 'binäre Operatoren'-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre 'opérateurs binaires'.</translation>
        </message>
        <message id="32818">
            <source>\mp
\mp </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\mp
\mp </translation>
        </message>
        <message id="32819">
            <source>\cdot
\cdot </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\cdot
\cdot </translation>
        </message>
        <message id="32820">
            <source>\times
\times </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\times
\times </translation>
        </message>
        <message id="32821">
            <source>\ast
\ast </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ast
\ast </translation>
        </message>
        <message id="32822">
            <source>\star
\star </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\star
\star </translation>
        </message>
        <message id="32823">
            <source>\setminus
\setminus </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\setminus
\setminus </translation>
        </message>
        <message id="32824">
            <source>\dvi
\div </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\dvi
\div </translation>
        </message>
        <message id="32825">
            <source>\diamond
\diamond </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\diamond
\diamond </translation>
        </message>
        <message id="32826">
            <source>\wr
\wr </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\wr
\wr </translation>
        </message>
        <message id="32827">
            <source>\hat
\hat </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\hat
\hat </translation>
        </message>
        <message id="32828">
            <source>\tilde
\tilde </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\tilde
\tilde </translation>
        </message>
        <message id="32829">
            <source>\grave
\grave </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\grave
\grave </translation>
        </message>
        <message id="32830">
            <source>\ddot
\ddot </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ddot
\ddot </translation>
        </message>
        <message id="32831">
            <source>\bar
\bar </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bar
\bar </translation>
        </message>
        <message id="32832">
            <source>\check
\check </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\check
\check </translation>
        </message>
        <message id="32833">
            <source>\acute
\acute </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\acute
\acute </translation>
        </message>
        <message id="32834">
            <source>\dot
\dot </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\dot
\dot </translation>
        </message>
        <message id="32835">
            <source>\breve
\breve </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\breve
\breve </translation>
        </message>
        <message id="32836">
            <source>\vec
\vec </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\vec
\vec </translation>
        </message>
        <message id="32837">
            <source>Blendet die Akzente-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre des accents.</translation>
        </message>
        <message id="32838">
            <source>\circ
\circ </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\circ
\circ </translation>
        </message>
        <message id="32839">
            <source>\bullet
\bullet </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bullet
\bullet </translation>
        </message>
        <message id="32840">
            <source>\cap
\cap </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\cap
\cap </translation>
        </message>
        <message id="32841">
            <source>\cup
\cup </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\cup
\cup </translation>
        </message>
        <message id="32842">
            <source>\uplus
\uplus </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\uplus
\uplus </translation>
        </message>
        <message id="32843">
            <source>\sqcup
\sqcup</source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sqcup
\sqcup</translation>
        </message>
        <message id="32844">
            <source>\sqcap
\sqcap </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sqcap
\sqcap </translation>
        </message>
        <message id="32845">
            <source>\triangleleft
\triangleleft </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\triangleleft
\triangleleft </translation>
        </message>
        <message id="32846">
            <source>\triangleright
\triangleright </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\triangleright
\triangleright </translation>
        </message>
        <message id="32847">
            <source>\vee
\vee </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\vee
\vee </translation>
        </message>
        <message id="32848">
            <source>\wedge
\wedge </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\wedge
\wedge </translation>
        </message>
        <message id="32849">
            <source>\oplus
\oplus </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\oplus
\oplus </translation>
        </message>
        <message id="32850">
            <source>\ominus
\ominus </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ominus
\ominus </translation>
        </message>
        <message id="32851">
            <source>\otimes
\otimes </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\otimes
\otimes </translation>
        </message>
        <message id="32852">
            <source>\oslash
\oslash </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\oslash
\oslash </translation>
        </message>
        <message id="32853">
            <source>\odot
\odot </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\odot
\odot </translation>
        </message>
        <message id="32854">
            <source>\dagger
\dagger </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\dagger
\dagger </translation>
        </message>
        <message id="32855">
            <source>\ddagger
\ddagger </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ddagger
\ddagger </translation>
        </message>
        <message id="32856">
            <source>\amalg
\amalg </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\amalg
\amalg </translation>
        </message>
        <message id="32857">
            <source>\bigcirc
\bigcirc </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bigcirc
\bigcirc </translation>
        </message>
        <message id="32858">
            <source>\bigtriangleup
\bigtriangleup </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bigtriangleup
\bigtriangleup </translation>
        </message>
        <message id="32859">
            <source>\bigtriangledown
\bigtriangledown </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bigtriangledown
\bigtriangledown </translation>
        </message>
        <message id="32860">
            <source>\leq
\leq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\leq
\leq </translation>
        </message>
        <message id="32861">
            <source>\geq
\geq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\geq
\geq </translation>
        </message>
        <message id="32862">
            <source>\prec
\prec </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\prec
\prec </translation>
        </message>
        <message id="32863">
            <source>\succ
\succ </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\succ
\succ </translation>
        </message>
        <message id="32864">
            <source>\preceq
\preceq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\preceq
\preceq </translation>
        </message>
        <message id="32865">
            <source>\succeq
\succeq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\succeq
\succeq </translation>
        </message>
        <message id="32866">
            <source>\ll
\ll </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ll
\ll </translation>
        </message>
        <message id="32868">
            <source>\subset
\subset </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\subset
\subset </translation>
        </message>
        <message id="32869">
            <source>\supset
\supset </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\supset
\supset </translation>
        </message>
        <message id="32870">
            <source>\subseteq
\subseteq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\subseteq
\subseteq </translation>
        </message>
        <message id="32871">
            <source>\supseteq
\supseteq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\supseteq
\supseteq </translation>
        </message>
        <message id="32872">
            <source>\sqsubseteq
\sqsubseteq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sqsubseteq
\sqsubseteq </translation>
        </message>
        <message id="32873">
            <source>\sqsupseteq
\sqsupseteq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sqsupseteq
\sqsupseteq </translation>
        </message>
        <message id="32874">
            <source>\in
\in </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\in
\in </translation>
        </message>
        <message id="32875">
            <source>\ni
\ni </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ni
\ni </translation>
        </message>
        <message id="32876">
            <source>\vdash
\vdash </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\vdash
\vdash </translation>
        </message>
        <message id="32877">
            <source>\dashv
\dashv </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\dashv
\dashv </translation>
        </message>
        <message id="32878">
            <source>\smile
\smile </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\smile
\smile </translation>
        </message>
        <message id="32879">
            <source>\frown
\frown </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\frown
\frown </translation>
        </message>
        <message id="32880">
            <source>\mid
\mid </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\mid
\mid </translation>
        </message>
        <message id="32881">
            <source>\parallel
\parallel </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\parallel
\parallel </translation>
        </message>
        <message id="32882">
            <source>\sqsubset
\sqsubset </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sqsubset
\sqsubset </translation>
        </message>
        <message id="32883">
            <source>\sqsupset
\sqsupset </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sqsupset
\sqsupset </translation>
        </message>
        <message id="32884">
            <source>\equiv
\equiv </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\equiv
\equiv </translation>
        </message>
        <message id="32885">
            <source>\sim
\sim </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sim
\sim </translation>
        </message>
        <message id="32886">
            <source>\simeq
\simeq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\simeq
\simeq </translation>
        </message>
        <message id="32887">
            <source>\asymp
\asymp </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\asymp
\asymp </translation>
        </message>
        <message id="32888">
            <source>\approx
\approx </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\approx
\approx </translation>
        </message>
        <message id="32889">
            <source>\cong
\cong </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\cong
\cong </translation>
        </message>
        <message id="32890">
            <source>\bowtie
\bowtie </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bowtie
\bowtie </translation>
        </message>
        <message id="32891">
            <source>\propto
\propto </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\propto
\propto </translation>
        </message>
        <message id="32892">
            <source>\models
\models </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\models
\models </translation>
        </message>
        <message id="32893">
            <source>\doteq
\doteq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\doteq
\doteq </translation>
        </message>
        <message id="32894">
            <source>\perp
\perp </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\perp
\perp </translation>
        </message>
        <message id="32895">
            <source>\Join
\Join </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Join
\Join </translation>
        </message>
        <message id="32896">
            <source>\not
\not</source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\not
\not</translation>
        </message>
        <message id="32897">
            <source>Blendet die Relationen-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre des relations.</translation>
        </message>
        <message id="32898">
            <source>\gg
\gg </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\gg
\gg </translation>
        </message>
        <message id="32899">
            <source>\alpha
\alpha </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\alpha
\alpha </translation>
        </message>
        <message id="32900">
            <source>\beta
\beta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\beta
\beta </translation>
        </message>
        <message id="32901">
            <source>\gamma
\gamma </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\gamma
\gamma </translation>
        </message>
        <message id="32902">
            <source>\delta
\delta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\delta
\delta </translation>
        </message>
        <message id="32903">
            <source>\epsilon
\epsilon </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\epsilon
\epsilon </translation>
        </message>
        <message id="32904">
            <source>\varepsilon
\varepsilon </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\varepsilon
\varepsilon </translation>
        </message>
        <message id="32905">
            <source>\zeta
\zeta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\zeta
\zeta </translation>
        </message>
        <message id="32906">
            <source>\eta
\eta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\eta
\eta </translation>
        </message>
        <message id="32907">
            <source>\theta
\theta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\theta
\theta </translation>
        </message>
        <message id="32908">
            <source>\vartheta
\vartheta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\vartheta
\vartheta </translation>
        </message>
        <message id="32909">
            <source>Blendet die 'griechische Buchstaben'-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre 'lettres grecques'.</translation>
        </message>
        <message id="32912">
            <source>\iota
\iota </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\iota
\iota </translation>
        </message>
        <message id="32913">
            <source>\kappa
\kappa </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\kappa
\kappa </translation>
        </message>
        <message id="32914">
            <source>\lambda
\lambda </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\lambda
\lambda </translation>
        </message>
        <message id="32915">
            <source>\mu
\mu </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\mu
\mu </translation>
        </message>
        <message id="32916">
            <source>\nu
\nu </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\nu
\nu </translation>
        </message>
        <message id="32917">
            <source>\xi
\xi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\xi
\xi </translation>
        </message>
        <message id="32918">
            <source>\pi
\pi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\pi
\pi </translation>
        </message>
        <message id="32919">
            <source>\varpi
\varpi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\varpi
\varpi </translation>
        </message>
        <message id="32920">
            <source>\rho
\rho </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\rho
\rho </translation>
        </message>
        <message id="32921">
            <source>\varrho
\varrho </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\varrho
\varrho </translation>
        </message>
        <message id="32922">
            <source>\sigma
\sigma </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sigma
\sigma </translation>
        </message>
        <message id="32923">
            <source>\varsigma
\varsigma </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\varsigma
\varsigma </translation>
        </message>
        <message id="32924">
            <source>\tau
\tau </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\tau
\tau </translation>
        </message>
        <message id="32925">
            <source>\upsilon
\upsilon </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\upsilon
\upsilon </translation>
        </message>
        <message id="32926">
            <source>\phi
\phi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\phi
\phi </translation>
        </message>
        <message id="32927">
            <source>\varphi
\varphi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\varphi
\varphi </translation>
        </message>
        <message id="32928">
            <source>\chi
\chi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\chi
\chi </translation>
        </message>
        <message id="32929">
            <source>\psi
\psi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\psi
\psi </translation>
        </message>
        <message id="32930">
            <source>\omega
\omega </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\omega
\omega </translation>
        </message>
        <message id="32931">
            <source>\Gamma
\Gamma </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Gamma
\Gamma </translation>
        </message>
        <message id="32932">
            <source>\Delta
\Delta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Delta
\Delta </translation>
        </message>
        <message id="32933">
            <source>\Theta
\Theta </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Theta
\Theta </translation>
        </message>
        <message id="32934">
            <source>\Lambda
\Lambda </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Lambda
\Lambda </translation>
        </message>
        <message id="32935">
            <source>\Xi
\Xi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Xi
\Xi </translation>
        </message>
        <message id="32936">
            <source>\Pi
\Pi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Pi
\Pi </translation>
        </message>
        <message id="32937">
            <source>\Sigma
\Sigma </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Sigma
\Sigma </translation>
        </message>
        <message id="32938">
            <source>\Upsilon
\Upsilon </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Upsilon
\Upsilon </translation>
        </message>
        <message id="32939">
            <source>\Phi
\Phi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Phi
\Phi </translation>
        </message>
        <message id="32940">
            <source>\Psi
\Psi </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Psi
\Psi </translation>
        </message>
        <message id="32941">
            <source>\Omega
\Omega </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Omega
\Omega </translation>
        </message>
        <message id="32942">
            <source>Speichert das aktive Dokument unter neuem Namen.
Speichern unter</source>
            <translation>Enregistre le document actif sous un nouveau nom.
Enregistrer sous</translation>
        </message>
        <message id="32943">
            <source>Haupt-TeX-Dokument :  diesisteinfilename</source>
            <translation>Document TeX principal :  ceciestunnomdefichier</translation>
        </message>
        <message id="32945">
            <source> Ze : 1234 </source>
            <translation> Li : 1234 </translation>
        </message>
        <message id="32946">
            <source>\aleph
\aleph </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\aleph
\aleph </translation>
        </message>
        <message id="32947">
            <source>\hbar
\hbar </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\hbar
\hbar </translation>
        </message>
        <message id="32948">
            <source>\imath
\imath </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\imath
\imath </translation>
        </message>
        <message id="32949">
            <source>\jmath
\jmath </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\jmath
\jmath </translation>
        </message>
        <message id="32950">
            <source>\ell
\ell </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\ell
\ell </translation>
        </message>
        <message id="32951">
            <source>\wp
\wp </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\wp
\wp </translation>
        </message>
        <message id="32952">
            <source>\Re
\Re </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Re
\Re </translation>
        </message>
        <message id="32953">
            <source>\Im
\Im </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\Im
\Im </translation>
        </message>
        <message id="32954">
            <source>\partial
\partial </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\partial
\partial </translation>
        </message>
        <message id="32955">
            <source>\infty
\infty </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\infty
\infty </translation>
        </message>
        <message id="32956">
            <source>Blendet die 'sonstige Symbole'-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre 'autres symboles'.</translation>
        </message>
        <message id="32957">
            <source>\prime
\prime </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\prime
\prime </translation>
        </message>
        <message id="32958">
            <source>\emptyset
\emptyset </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\emptyset
\emptyset </translation>
        </message>
        <message id="32959">
            <source>\nabla
\nabla </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\nabla
\nabla </translation>
        </message>
        <message id="32960">
            <source>\surd
\surd </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\surd
\surd </translation>
        </message>
        <message id="32961">
            <source>\top
\top </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\top
\top </translation>
        </message>
        <message id="32962">
            <source>\bot
\bot </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\bot
\bot </translation>
        </message>
        <message id="32963">
            <source>\|
\| </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\|
\| </translation>
        </message>
        <message id="32964">
            <source>\angle
\angle </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\angle
\angle </translation>
        </message>
        <message id="32965">
            <source>\triangle
\triangle </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\triangle
\triangle </translation>
        </message>
        <message id="32966">
            <source>\backslash
\backslash </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\backslash
\backslash </translation>
        </message>
        <message id="32967">
            <source>\forall
\forall </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\forall
\forall </translation>
        </message>
        <message id="32968">
            <source>\exists
\exists </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\exists
\exists </translation>
        </message>
        <message id="32969">
            <source>\neg
\neg </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\neg
\neg </translation>
        </message>
        <message id="32970">
            <source>\flat
\flat </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\flat
\flat </translation>
        </message>
        <message id="32971">
            <source>\natural
\natural </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\natural
\natural </translation>
        </message>
        <message id="32972">
            <source>\sharp
\sharp </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\sharp
\sharp </translation>
        </message>
        <message id="32973">
            <source>\clubsuit
\clubsuit </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\clubsuit
\clubsuit </translation>
        </message>
        <message id="32974">
            <source>\diamondsuit
\diamondsuit </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\diamondsuit
\diamondsuit </translation>
        </message>
        <message id="32975">
            <source>\heartsuit
\heartsuit </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\heartsuit
\heartsuit </translation>
        </message>
        <message id="32976">
            <source>\spadesuit
\spadesuit </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\spadesuit
\spadesuit </translation>
        </message>
        <message id="32977">
            <source>\S
\S </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\S
\S </translation>
        </message>
        <message id="32978">
            <source>\P
\P </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\P
\P </translation>
        </message>
        <message id="32979">
            <source>englische LaTeX2e - Hilfe</source>
            <translation>Aide LaTeX2e en anglais</translation>
        </message>
        <message id="32981">
            <source>\glqq
\glqq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\glqq
\glqq </translation>
        </message>
        <message id="32982">
            <source>\grqq
\grqq </source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>\grqq
\grqq </translation>
        </message>
        <message id="32983">
            <source>Einstellungen zum Syntax-Highlighting
Syntax-Hightlighting</source>
            <translation>Règle les couleurs de la coloration syntaxique
Coloration syntaxique</translation>
        </message>
        <message id="32984">
            <source>Festlegen der Umlaute
Umlaute</source>
            <translation>Définit le remplacement des trémas
Trémas</translation>
        </message>
        <message id="32992">
            <source>Kopf- und Fußzeile für den Druck festlegen.
Seite einrichten</source>
            <translation>Définit l'en-tête et le pied de page des pages imprimées.
Mise en page</translation>
        </message>
        <message id="32993">
            <source>Keine CMD-Zeile angegeben!
Bitte die Einstellungen überprüfen!</source>
            <translation>Aucune ligne de commande indiquée !
Veuillez vérifier les paramètres !</translation>
        </message>
        <message id="32994">
            <source>Keine EXE-Datei angegeben!
Bitte die Einstellungen überprüfen!</source>
            <translation>Aucun fichier programme indiqué !
Veuillez vérifier les paramètres !</translation>
        </message>
        <message id="32995">
            <source>Das Haupt-TeX-Dokument ist nicht angegeben!
Bitte die Einstellungen überprüfen!</source>
            <translation>Le document TeX principal n'est pas indiqué !
Veuillez vérifier les paramètres !</translation>
        </message>
        <message id="32996">
            <source>Ein oder mehr Fehler traten auf!
Bitte die Einstellungen überprüfen!</source>
            <translation>Une ou plusieurs erreurs se sont produites !
Veuillez vérifier les paramètres !</translation>
        </message>
        <message id="32997">
            <source>Programmaufrufe</source>
            <translation>Appels de programmes</translation>
        </message>
        <message id="32998">
            <source>Blendet die Logbereich ein oder aus.
Logbereich ein-/ausschalten</source>
            <translation>Affiche ou masque la zone du journal.
Afficher/masquer le journal</translation>
        </message>
        <message id="32999">
            <source>Log-Datei konnte nicht geladen werden !</source>
            <translation>Le fichier journal n'a pas pu être chargé !</translation>
        </message>
        <message id="33004">
            <source>Es existiert kein aktuelles TeX-Dokument!
Bitte laden Sie eine Datei!</source>
            <translation>Il n'y a pas de document TeX actuel !
Veuillez charger un fichier !</translation>
        </message>
        <message id="33005">
            <source>Einstellungen für Makros
Makros</source>
            <translation>Paramètres des macros
Macros</translation>
        </message>
        <message id="33023">
            <source>Blendet die 'Makros'-Leiste ein oder aus.</source>
            <translation>Affiche ou masque la barre 'macros'.</translation>
        </message>
        <message id="33024">
            <source>Ausführen von LaTeX.
LaTeX</source>
            <translation>Exécute LaTeX.
LaTeX</translation>
        </message>
        <message id="33025">
            <source>Ausführen von BibTeX
BibTeX</source>
            <translation>Exécute BibTeX
BibTeX</translation>
        </message>
        <message id="33026">
            <source>Einstellungen für die Programme
Programmaufrufe</source>
            <translation>Paramètres des programmes
Appels de programmes</translation>
        </message>
        <message id="33027">
            <source>Aufrufen des GhostView'ers.
GhostView</source>
            <translation>Lance GhostView.
GhostView</translation>
        </message>
        <message id="33028">
            <source>Aufrufen eines DVI-Viewers für Windows.
DVIWin</source>
            <translation>Lance un visualiseur DVI.
DVIWin</translation>
        </message>
        <message id="33029">
            <source>Aufrufen von DVIPS.
DVIPS</source>
            <translation>Exécute DVIPS.
DVIPS</translation>
        </message>
        <message id="33030">
            <source>Festlegen des Haupt-TeX-Dokuments.
Hauptdokument</source>
            <translation>Définit le document TeX principal.
Document principal</translation>
        </message>
        <message id="33031">
            <source>Speichert alle aktiven Dokumente.</source>
            <translation>Enregistre tous les documents ouverts.</translation>
        </message>
        <message id="33032">
            <source>Verläßt die Anwendung.
Beenden</source>
            <translation>Quitte l'application.
Quitter</translation>
        </message>
        <message id="33043">
            <source>Einstellungen</source>
            <translation>Paramètres</translation>
        </message>
        <message id="33044">
            <source>Leisten</source>
            <translation>Barres</translation>
        </message>
        <message id="33045">
            <source>Benutzer-Programme</source>
            <translation>Programmes utilisateur</translation>
        </message>
        <message id="33046">
            <source>Benutzer-Makros</source>
            <translation>Macros utilisateur</translation>
        </message>
        <message id="33058">
            <source>Symbolleiste / Makroleiste anpassen</source>
            <translation>Personnaliser la barre d'outils / la barre des macros</translation>
        </message>
        <message id="33061">
            <source>Schaltet den Zeilenumbruch ein/aus</source>
            <translation>Active ou désactive le retour à la ligne</translation>
        </message>
        <message id="33067">
            <source>%
,
\
-
Alph
COLON
HUGE
Huge
LARGE
Large
Roman
addcontentsline
address
addtocontents
addtocounter
addtolength
addvspace
alph
alpha
appendix
arabic
arccos
arcsin
arctan
author
backslash
baselinestretch
begin
beta
bf
bfseries
bibitem
bibliography
bibliographystyle
bigskip
bottomfraction
bullet
caption
cc
cdots
centering
cfoot
chapter
chaptermark
circ
circle
cite
cleardoublepage
clearemptydoublepage
clearpage
cline
closing
columnsep
cos
dashbox
date
ddots
delta
depth
documentclass
documentstyle
dotfill
dots
em
emph
encl
end
enlargethispage
epsfig
eta
evensidemargin
fancyplain
fbox
flushbottom
fnsymbol
fontencoding
fontfamily
fontseries
fontshape
fontsize
footheight
footnote
footnotemark
footnotesize
footnotetext
footskip
frac
frame
framebox
fussy
gamma
glqq
grqq
headheight
headsep
height
</source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>%
,
\
-
Alph
COLON
HUGE
Huge
LARGE
Large
Roman
addcontentsline
address
addtocontents
addtocounter
addtolength
addvspace
alph
alpha
appendix
arabic
arccos
arcsin
arctan
author
backslash
baselinestretch
begin
beta
bf
bfseries
bibitem
bibliography
bibliographystyle
bigskip
bottomfraction
bullet
caption
cc
cdots
centering
cfoot
chapter
chaptermark
circ
circle
cite
cleardoublepage
clearemptydoublepage
clearpage
cline
closing
columnsep
cos
dashbox
date
ddots
delta
depth
documentclass
documentstyle
dotfill
dots
em
emph
encl
end
enlargethispage
epsfig
eta
evensidemargin
fancyplain
fbox
flushbottom
fnsymbol
fontencoding
fontfamily
fontseries
fontshape
fontsize
footheight
footnote
footnotemark
footnotesize
footnotetext
footskip
frac
frame
framebox
fussy
gamma
glqq
grqq
headheight
headsep
height
</translation>
        </message>
        <message id="33068">
            <source>array
center
description
enumerate
eqnarray
equation
figure
flushleft
flushright
itemize
letter
list
minipage
picture
quotation
quote
tabbing
table
tabular
thebibliography
theorem
titlepage
verse
lrbox
document
appendix
displaymath
</source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>array
center
description
enumerate
eqnarray
equation
figure
flushleft
flushright
itemize
letter
list
minipage
picture
quotation
quote
tabbing
table
tabular
thebibliography
theorem
titlepage
verse
lrbox
document
appendix
displaymath
</translation>
        </message>
        <message id="33069">
            <source>hfill
hline
hoffset
hrulefill
hspace
huge
hyphenation
in
include
includeonly
indent
infty
input
int
item
itshape
kill
label
large
ldots
left
lefteqn
leftmark
leq
lhead
limits
line
linebreak
linethickness
listoffigures
listoftables
location
makeatletter
makeatother
makebox
makelabels
maketitle
markboth
markleft
markright
mathbb
mathbf
mathcal
mathit
mathnormal
mathrm
mathsf
mathtt
mathversion
mbox
mdseries
medskip
mu
multicolumn
multiput
nabla
name
newcommand
newcounter
newenvironment
newfont
newlength
newline
newpage
newsavebox
newtheorem
nocite
nofiles
noindent
nolinebreak
nonumber
nopagebreak
normalfont
normalsize
not
nu
oddsidemargin
onecolumn
opening
oval
overbrace
overline
pagebreak
pagenumbering
pageref
pagestyle
par
paragraph
parbox
parindent
parskip
part
partial
phi
pi
ps
</source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>hfill
hline
hoffset
hrulefill
hspace
huge
hyphenation
in
include
includeonly
indent
infty
input
int
item
itshape
kill
label
large
ldots
left
lefteqn
leftmark
leq
lhead
limits
line
linebreak
linethickness
listoffigures
listoftables
location
makeatletter
makeatother
makebox
makelabels
maketitle
markboth
markleft
markright
mathbb
mathbf
mathcal
mathit
mathnormal
mathrm
mathsf
mathtt
mathversion
mbox
mdseries
medskip
mu
multicolumn
multiput
nabla
name
newcommand
newcounter
newenvironment
newfont
newlength
newline
newpage
newsavebox
newtheorem
nocite
nofiles
noindent
nolinebreak
nonumber
nopagebreak
normalfont
normalsize
not
nu
oddsidemargin
onecolumn
opening
oval
overbrace
overline
pagebreak
pagenumbering
pageref
pagestyle
par
paragraph
parbox
parindent
parskip
part
partial
phi
pi
ps
</translation>
        </message>
        <message id="33070">
            <source>pushtabs
put
qquad
quad
raggedbottom
raggedleft
raggedright
raisebox
ref
refstepcounter
renewcommand
rhead
right
rightmark
rm
rmfamily
roman
rule
savebox
sbox
scriptsize
scshape
section
sectionmark
selectfont
setcounter
setlength
settodepth
settoheight
settowidth
sffamily
shortstack
signature
sin
sloppy
slshape
small
smallskip
sqrt
startbreaks
stepcounter
stopbreaks
subfigure
subparagraph
subsection
subsubsection
sum
symbol
tableofcontents
tan
telephone
textbf
textheight
textit
textmd
textnormal
textrm
textsc
textsf
textsl
texttt
textup
textwidth
thanks
thepage
thesection
theta
thispagestyle
tilde
times
tiny
title
today
topmargin
topskip
totalheight
ttfamily
twocolumn
typein
typeout
underbrace
underline
upshape
usebox
usecounter
usefont
usepackage
value
vdots
vector
verb
vfill
vline
voffset
vspace
width
</source>
            <extracomment>The same in every language (LaTeX markup): keep it as it is.</extracomment>
            <translation>pushtabs
put
qquad
quad
raggedbottom
raggedleft
raggedright
raisebox
ref
refstepcounter
renewcommand
rhead
right
rightmark
rm
rmfamily
roman
rule
savebox
sbox
scriptsize
scshape
section
sectionmark
selectfont
setcounter
setlength
settodepth
settoheight
settowidth
sffamily
shortstack
signature
sin
sloppy
slshape
small
smallskip
sqrt
startbreaks
stepcounter
stopbreaks
subfigure
subparagraph
subsection
subsubsection
sum
symbol
tableofcontents
tan
telephone
textbf
textheight
textit
textmd
textnormal
textrm
textsc
textsf
textsl
texttt
textup
textwidth
thanks
thepage
thesection
theta
thispagestyle
tilde
times
tiny
title
today
topmargin
topskip
totalheight
ttfamily
twocolumn
typein
typeout
underbrace
underline
upshape
usebox
usecounter
usefont
usepackage
value
vdots
vector
verb
vfill
vline
voffset
vspace
width
</translation>
        </message>
        <message id="33071">
            <source>Blendet die Projektbreich ein oder aus.
Projektbereich ein-/ausschalten</source>
            <translation>Affiche ou masque la zone du projet.
Afficher/masquer le projet</translation>
        </message>
        <message id="33073">
            <source>Erstellt ein neues Projekt.
Neues Projekt</source>
            <translation>Crée un nouveau projet.
Nouveau projet</translation>
        </message>
        <message id="33074">
            <source>Festlegen des Haupt-TeX-Dokuments.
Hauptdokument</source>
            <translation>Définit le document TeX principal.
Document principal</translation>
        </message>
        <message id="33075">
            <source>Hinzufügen von TeX-Dokumenten.
TeX-Dokument</source>
            <translation>Ajoute des documents TeX.
Document TeX</translation>
        </message>
        <message id="33078">
            <source>Dateien</source>
            <translation>Fichiers</translation>
        </message>
        <message id="33079">
            <source>Inhaltsverzeichnis</source>
            <translation>Table des matières</translation>
        </message>
        <message id="33080">
            <source>TeX-Dateien (*.tex)|*.tex|Alle Dateien (*.*)|*.*|</source>
            <translation>Fichiers TeX (*.tex)|*.tex|Tous les fichiers (*.*)|*.*|</translation>
        </message>
        <message id="33081">
            <source>Haupt-TeX-Dokument</source>
            <translation>Document TeX principal</translation>
        </message>
        <message id="33082">
            <source>Scriblet-Dateien |*.sbp;*.tex;*.bib;*.log|Projekt-Dateien (*.sbp)|*sbp|TeX-Dateien (*.tex)|*.tex|Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|</source>
            <translation>Fichiers Scriblet |*.sbp;*.tex;*.bib;*.log|Fichiers de projet (*.sbp)|*sbp|Fichiers TeX (*.tex)|*.tex|Fichiers Bib (*.bib)|*.bib|Fichiers journaux (*.log)|*.log|Tous les fichiers (*.*)|*.*|</translation>
        </message>
        <message id="33083">
            <source>Scriblet Dateien öffnen</source>
            <translation>Ouvrir des fichiers Scriblet</translation>
        </message>
        <message id="33086">
            <source>Öffnet ein bestehendes Projekt.
Projekt öffnen</source>
            <translation>Ouvre un projet existant.
Ouvrir le projet</translation>
        </message>
        <message id="33087">
            <source>Schließt das aktive Projekt.
Projekt schließen</source>
            <translation>Ferme le projet actif.
Fermer le projet</translation>
        </message>
        <message id="33088">
            <source>Das aktuelle Projekt speichern.
Projekt speichern</source>
            <translation>Enregistre le projet actuel.
Enregistrer le projet</translation>
        </message>
        <message id="33089">
            <source>Das aktuelle Projekt unter neuem Namen speichern.
Projekt speichern unter</source>
            <translation>Enregistre le projet actuel sous un nouveau nom.
Enregistrer le projet sous</translation>
        </message>
        <message id="33090">
            <source>Projekt-Dateien (*.sbp)|*.sbp|</source>
            <translation>Fichiers de projet (*.sbp)|*.sbp|</translation>
        </message>
        <message id="33091">
            <source>Projekt-Datei öffnen</source>
            <translation>Ouvrir un fichier de projet</translation>
        </message>
        <message id="33093">
            <source>Projekt-Datei speichern</source>
            <translation>Enregistrer le fichier de projet</translation>
        </message>
        <message id="33094">
            <source>Aktuelles Projekt speichern ?</source>
            <translation>Enregistrer le projet actuel ?</translation>
        </message>
        <message id="33095">
            <source>%s nicht in
%s gefunden !!</source>
            <translation>%s introuvable dans
%s !!</translation>
        </message>
        <message id="33096">
            <source> Ze : %u</source>
            <translation> Li : %u</translation>
        </message>
        <message id="33097">
            <source>Scriblet-Dateien |*.tex;*.bib;*.log|TeX-Dateien (*.tex)|*.tex|Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|</source>
            <translation>Fichiers Scriblet |*.tex;*.bib;*.log|Fichiers TeX (*.tex)|*.tex|Fichiers Bib (*.bib)|*.bib|Fichiers journaux (*.log)|*.log|Tous les fichiers (*.*)|*.*|</translation>
        </message>
        <message id="33098">
            <source>Datei speichern unter...</source>
            <translation>Enregistrer le fichier sous...</translation>
        </message>
        <message id="33099">
            <source>Hauptleiste</source>
            <translation>Barre principale</translation>
        </message>
        <message id="33100">
            <source>Pfeile</source>
            <translation>Flèches</translation>
        </message>
        <message id="33101">
            <source>Binäre Operatoren</source>
            <translation>Opérateurs binaires</translation>
        </message>
        <message id="33102">
            <source>Gr. Buchstaben</source>
            <translation>Lettres grecques</translation>
        </message>
        <message id="33103">
            <source>Sonstige Symbole</source>
            <translation>Autres symboles</translation>
        </message>
        <message id="33104">
            <source>Makros</source>
            <translation>Macros</translation>
        </message>
        <message id="33105">
            <source>Relationen</source>
            <translation>Relations</translation>
        </message>
        <message id="33106">
            <source>aktuelles</source>
            <translation>actuel</translation>
        </message>
        <message id="33107">
            <source>Haupt-TeX-Dokument :  </source>
            <translation>Document TeX principal :  </translation>
        </message>
        <message id="33109">
            <source>%s wird ausgeführt...</source>
            <translation>%s en cours d'exécution...</translation>
        </message>
        <message id="33110">
            <source>Programme|*|Alle Dateien (*.*)|*.*|</source>
            <translation>Programmes|*|Tous les fichiers (*.*)|*.*|</translation>
        </message>
        <message id="33111">
            <source>Execute-Datei</source>
            <translation>Fichier programme</translation>
        </message>
        <message id="33112">
            <source>LaTeX-Execute-Datei</source>
            <translation>Fichier programme LaTeX</translation>
        </message>
        <message id="33113">
            <source>BibTeX-Execute-Datei</source>
            <translation>Fichier programme BibTeX</translation>
        </message>
        <message id="33114">
            <source>DviPs-Execute-Datei</source>
            <translation>Fichier programme DviPs</translation>
        </message>
        <message id="33115">
            <source>DviWin-Execute-Datei</source>
            <translation>Fichier programme DviWin</translation>
        </message>
        <message id="33116">
            <source>GhostView-Execute-Datei</source>
            <translation>Fichier programme GhostView</translation>
        </message>
        <message id="33117">
            <source>Seite: &amp;p</source>
            <translation>Page : &amp;p</translation>
        </message>
        <message id="33118">
            <source>Zeigt die Oberfläche in deutscher Sprache.
Deutsch</source>
            <translation>Affiche l'interface en allemand.
Deutsch</translation>
        </message>
        <message id="33119">
            <source>Datei: &amp;f</source>
            <translation>Fichier : &amp;f</translation>
        </message>
        <message id="33120">
            <source>Zeigt die Oberfläche in englischer Sprache.
English</source>
            <translation>Affiche l'interface en anglais.
English</translation>
        </message>
        <message id="33121">
            <source>Ansicht</source>
            <translation>Affichage</translation>
        </message>
        <message id="33122">
            <source>Zeigt die Oberfläche in französischer Sprache.
Français</source>
            <translation>Affiche l'interface en français.
Français</translation>
        </message>
        <message id="33123">
            <source>Neues Projekt</source>
            <translation>Nouveau projet</translation>
        </message>
        <message id="33124">
            <source>Eintrag konnte nicht gefunden werden !!</source>
            <translation>L'entrée est introuvable !!</translation>
        </message>
        <message id="33125">
            <source>Scriblet wird ohne jede Gewährleistung zur Verfügung gestellt. Die Benutzung erfolgt auf eigene Gefahr. Der Autor haftet nicht für Schäden, die durch die Benutzung des Programms entstehen.</source>
            <translation>Scriblet est fourni sans aucune garantie. Vous l'utilisez à vos propres risques. L'auteur n'est pas responsable des dommages causés par l'utilisation du programme.</translation>
        </message>
        <message id="33126">
            <source>Akzente</source>
            <translation>Accents</translation>
        </message>
        <message id="33127">
            <source>Scriblet ist kostenlos.

Wenn Ihnen das Programm gefällt, unterstützen Sie seine Weiterentwicklung, indem Sie Fehler melden und Verbesserungen vorschlagen.</source>
            <translation>Scriblet est gratuit.

Si le programme vous plaît, soutenez son développement en signalant les erreurs et en proposant des améliorations.</translation>
        </message>
        <message id="33132">
            <source>Öffnet die Datei des nächsten Fehlers im Log an seiner Zeile.
Nächster Fehler</source>
            <translation>Ouvre le fichier de l'erreur suivante du journal à sa ligne.
Erreur suivante</translation>
        </message>
        <message id="33133">
            <source>Öffnet die Datei des vorigen Fehlers im Log an seiner Zeile.
Vorheriger Fehler</source>
            <translation>Ouvre le fichier de l'erreur précédente du journal à sa ligne.
Erreur précédente</translation>
        </message>
        <message id="57345">
            <source>Bereit...</source>
            <translation>Prêt...</translation>
        </message>
        <message id="57601">
            <source>Öffnet ein bestehendes Dokument.
Öffnen</source>
            <translation>Ouvre un document existant.
Ouvrir</translation>
        </message>
        <message id="57607">
            <source>Druckt das aktive Dokument.
Drucken</source>
            <translation>Imprime le document actif.
Imprimer</translation>
        </message>
        <message id="57609">
            <source>Zeigt die Seiten so, wie sie gedruckt werden.
Seitenansicht</source>
            <translation>Affiche les pages telles qu'elles seront imprimées.
Aperçu avant impression</translation>
        </message>
        <message id="57664">
            <source>Info</source>
            <translation>À propos</translation>
        </message>
    </context>
</TS>
