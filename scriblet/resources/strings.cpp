#include "resources/strings.h"

#include <QHash>
#include <QTranslator>

#include <algorithm>

namespace Str {

namespace {

struct Entry {
    int id;
    const char *text; // UTF-8
};

// The German table. Numbers may stand in any order; each appears once.
const Entry Table[] = {
    // Messages, titles, filters and status texts
    {ToolNoCmdLine, "Keine CMD-Zeile angegeben!\nBitte die Einstellungen überprüfen!"},
    {ToolNoExe, "Keine EXE-Datei angegeben!\nBitte die Einstellungen überprüfen!"},
    {ToolNoMainDocument, "Das Haupt-TeX-Dokument ist nicht angegeben!\nBitte die Einstellungen überprüfen!"},
    {ToolStartFailed, "Ein oder mehr Fehler traten auf!\nBitte die Einstellungen überprüfen!"},
    {ProgramCallsCaption, "Programmaufrufe"},
    {LogNotLoaded, "Log-Datei konnte nicht geladen werden !"},
    {ToolNoCurrentDocument, "Es existiert kein aktuelles TeX-Dokument!\nBitte laden Sie eine Datei!"},
    {ProjectFiles, "Dateien"},
    {ProjectToc, "Inhaltsverzeichnis"},
    {TexFilter, "TeX-Dateien (*.tex)|*.tex|Alle Dateien (*.*)|*.*|"},
    {MainDocumentTitle, "Haupt-TeX-Dokument"},
    {OpenFilter, "Scriblet-Dateien |*.sbp;*.tex;*.bib;*.log|Projekt-Dateien (*.sbp)|*sbp|TeX-Dateien (*.tex)|*.tex|Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|"},
    {OpenTitle, "Scriblet Dateien öffnen"},
    {ProjectFilter, "Projekt-Dateien (*.sbp)|*.sbp|"},
    {ProjectOpenTitle, "Projekt-Datei öffnen"},
    {ProjectSaveTitle, "Projekt-Datei speichern"},
    {ProjectSaveCurrent, "Aktuelles Projekt speichern ?"},
    {NotFound, "%s nicht in\n%s gefunden !!"},
    {LinePane, " Ze : %u"},
    {SaveAsFilter, "Scriblet-Dateien |*.tex;*.bib;*.log|TeX-Dateien (*.tex)|*.tex|Bib-Dateien (*.bib)|*.bib|Log-Dateien (*.log)|*.log|Alle Dateien (*.*)|*.*|"},
    {SaveAsTitle, "Datei speichern unter..."},
    {MainBar, "Hauptleiste"},
    {ArrowsBar, "Pfeile"},
    {BinaryOpsBar, "Binäre Operatoren"},
    {GreekBar, "Gr. Buchstaben"},
    {OtherSymbolsBar, "Sonstige Symbole"},
    {MacrosBar, "Makros"},
    {RelationsBar, "Relationen"},
    {MainDocCurrent, "aktuelles"},
    {MainDocPane, "Haupt-TeX-Dokument :  "},
    {ToolRunning, "%s wird ausgeführt..."},
    // The first entry lists the executable files, whatever their names (programs
    // carry no extension here).
    {ExeFilter, "Programme|*|Alle Dateien (*.*)|*.*|"},
    {UserExeTitle, "Execute-Datei"},
    {LatexExeTitle, "LaTeX-Execute-Datei"},
    {BibtexExeTitle, "BibTeX-Execute-Datei"},
    {DvipsExeTitle, "DviPs-Execute-Datei"},
    {DviWinExeTitle, "DviWin-Execute-Datei"},
    {GhostViewExeTitle, "GhostView-Execute-Datei"},
    {PageFooterDefault, "Seite: &p"},
    {PageHeaderDefault, "Datei: &f"},
    {ProjectNewName, "Neues Projekt"},
    {HeadingNotFound, "Eintrag konnte nicht gefunden werden !!"},
    {Licence, "Scriblet wird ohne jede Gewährleistung zur Verfügung gestellt. Die Benutzung erfolgt auf eigene Gefahr. Der Autor haftet nicht für Schäden, die durch die Benutzung des Programms entstehen."},
    {AccentsBar, "Akzente"},
    {CategorySettings, "Einstellungen"},
    {CategoryBars, "Leisten"},
    {CategoryUserTools, "Benutzer-Programme"},
    {CategoryUserMacros, "Benutzer-Makros"},
    {CategoryView, "Ansicht"},
    {CustomiseTitle, "Symbolleiste / Makroleiste anpassen"},
    {InfoText, "Scriblet ist kostenlos.\n\nWenn Ihnen das Programm gefällt, unterstützen Sie seine Weiterentwicklung, indem Sie Fehler melden und Verbesserungen vorschlagen."},
    {LinePaneSize, " Ze : 1234 "},
    {MainDocPaneSize, "Haupt-TeX-Dokument :  diesisteinfilename"},
    {Ready, "Bereit..."},
    {DefaultCommands1,
     "%\n,\n\\\n-\nAlph\nCOLON\nHUGE\nHuge\nLARGE\nLarge\nRoman\naddcontentsline\n"
     "address\naddtocontents\naddtocounter\naddtolength\naddvspace\nalph\nalpha\nappendix\narabic\narccos\narcsin\narctan\n"
     "author\nbackslash\nbaselinestretch\nbegin\nbeta\nbf\nbfseries\nbibitem\nbibliography\nbibliographystyle\nbigskip\nbottomfraction\n"
     "bullet\ncaption\ncc\ncdots\ncentering\ncfoot\nchapter\nchaptermark\ncirc\ncircle\ncite\ncleardoublepage\n"
     "clearemptydoublepage\nclearpage\ncline\nclosing\ncolumnsep\ncos\ndashbox\ndate\nddots\ndelta\ndepth\ndocumentclass\n"
     "documentstyle\ndotfill\ndots\nem\nemph\nencl\nend\nenlargethispage\nepsfig\neta\nevensidemargin\nfancyplain\n"
     "fbox\nflushbottom\nfnsymbol\nfontencoding\nfontfamily\nfontseries\nfontshape\nfontsize\nfootheight\nfootnote\nfootnotemark\nfootnotesize\n"
     "footnotetext\nfootskip\nfrac\nframe\nframebox\nfussy\ngamma\nglqq\ngrqq\nheadheight\nheadsep\nheight\n"},
    {DefaultCommands2,
     "hfill\nhline\nhoffset\nhrulefill\nhspace\nhuge\nhyphenation\nin\ninclude\nincludeonly\nindent\ninfty\n"
     "input\nint\nitem\nitshape\nkill\nlabel\nlarge\nldots\nleft\nlefteqn\nleftmark\nleq\n"
     "lhead\nlimits\nline\nlinebreak\nlinethickness\nlistoffigures\nlistoftables\nlocation\nmakeatletter\nmakeatother\nmakebox\nmakelabels\n"
     "maketitle\nmarkboth\nmarkleft\nmarkright\nmathbb\nmathbf\nmathcal\nmathit\nmathnormal\nmathrm\nmathsf\nmathtt\n"
     "mathversion\nmbox\nmdseries\nmedskip\nmu\nmulticolumn\nmultiput\nnabla\nname\nnewcommand\nnewcounter\nnewenvironment\n"
     "newfont\nnewlength\nnewline\nnewpage\nnewsavebox\nnewtheorem\nnocite\nnofiles\nnoindent\nnolinebreak\nnonumber\nnopagebreak\n"
     "normalfont\nnormalsize\nnot\nnu\noddsidemargin\nonecolumn\nopening\noval\noverbrace\noverline\npagebreak\npagenumbering\n"
     "pageref\npagestyle\npar\nparagraph\nparbox\nparindent\nparskip\npart\npartial\nphi\npi\nps\n"},
    {DefaultCommands3,
     "pushtabs\nput\nqquad\nquad\nraggedbottom\nraggedleft\nraggedright\nraisebox\nref\nrefstepcounter\nrenewcommand\nrhead\n"
     "right\nrightmark\nrm\nrmfamily\nroman\nrule\nsavebox\nsbox\nscriptsize\nscshape\nsection\nsectionmark\n"
     "selectfont\nsetcounter\nsetlength\nsettodepth\nsettoheight\nsettowidth\nsffamily\nshortstack\nsignature\nsin\nsloppy\nslshape\n"
     "small\nsmallskip\nsqrt\nstartbreaks\nstepcounter\nstopbreaks\nsubfigure\nsubparagraph\nsubsection\nsubsubsection\nsum\nsymbol\n"
     "tableofcontents\ntan\ntelephone\ntextbf\ntextheight\ntextit\ntextmd\ntextnormal\ntextrm\ntextsc\ntextsf\ntextsl\n"
     "texttt\ntextup\ntextwidth\nthanks\nthepage\nthesection\ntheta\nthispagestyle\ntilde\ntimes\ntiny\ntitle\n"
     "today\ntopmargin\ntopskip\ntotalheight\nttfamily\ntwocolumn\ntypein\ntypeout\nunderbrace\nunderline\nupshape\nusebox\n"
     "usecounter\nusefont\nusepackage\nvalue\nvdots\nvector\nverb\nvfill\nvline\nvoffset\nvspace\nwidth\n"},
    {DefaultEnvironments,
     "array\ncenter\ndescription\nenumerate\neqnarray\nequation\nfigure\nflushleft\nflushright\nitemize\nletter\nlist\n"
     "minipage\npicture\nquotation\nquote\ntabbing\ntable\ntabular\nthebibliography\ntheorem\ntitlepage\nverse\nlrbox\n"
     "document\nappendix\ndisplaymath\n"},
    {DocTemplate, "\nTeX File \nTex File \nTeX-Dateien (*.tex)\n.tex\nScriblet.Document\nScriblet Document"},
    // Command prompts: status-bar text, line feed, tooltip
    {32781, "Auswahl der Schriftart für die Dokumente"},
    {32783, "Blendet die Pfeil-Leiste ein oder aus."},
    {32817, "Blendet die 'binäre Operatoren'-Leiste ein oder aus."},
    {32837, "Blendet die Akzente-Leiste ein oder aus."},
    {32897, "Blendet die Relationen-Leiste ein oder aus."},
    {32909, "Blendet die 'griechische Buchstaben'-Leiste ein oder aus."},
    {32956, "Blendet die 'sonstige Symbole'-Leiste ein oder aus."},
    {32992, "Kopf- und Fußzeile für den Druck festlegen.\nSeite einrichten"},
    {57607, "Druckt das aktive Dokument.\nDrucken"},
    {57609, "Zeigt die Seiten so, wie sie gedruckt werden.\nSeitenansicht"},
    {32983, "Einstellungen zum Syntax-Highlighting\nSyntax-Hightlighting"},
    {32984, "Festlegen der Umlaute\nUmlaute"},
    {32998, "Blendet die Logbereich ein oder aus.\nLogbereich ein-/ausschalten"},
    {33005, "Einstellungen für Makros\nMakros"},
    {33023, "Blendet die 'Makros'-Leiste ein oder aus."},
    {33024, "Ausführen von LaTeX.\nLaTeX"},
    {33025, "Ausführen von BibTeX\nBibTeX"},
    {33026, "Einstellungen für die Programme\nProgrammaufrufe"},
    {33027, "Aufrufen des GhostView'ers.\nGhostView"},
    {33028, "Aufrufen eines DVI-Viewers für Windows.\nDVIWin"},
    {33029, "Aufrufen von DVIPS.\nDVIPS"},
    {33030, "Festlegen des Haupt-TeX-Dokuments.\nHauptdokument"},
    {33031, "Speichert alle aktiven Dokumente."},
    {33032, "Verläßt die Anwendung.\nBeenden"},
    {33061, "Schaltet den Zeilenumbruch ein/aus"},
    {33071, "Blendet die Projektbreich ein oder aus.\nProjektbereich ein-/ausschalten"},
    {33073, "Erstellt ein neues Projekt.\nNeues Projekt"},
    {33074, "Festlegen des Haupt-TeX-Dokuments.\nHauptdokument"},
    {33075, "Hinzufügen von TeX-Dokumenten.\nTeX-Dokument"},
    {33086, "Öffnet ein bestehendes Projekt.\nProjekt öffnen"},
    {33087, "Schließt das aktive Projekt.\nProjekt schließen"},
    {33088, "Das aktuelle Projekt speichern.\nProjekt speichern"},
    {33089, "Das aktuelle Projekt unter neuem Namen speichern.\nProjekt speichern unter"},
    {33132, "Öffnet die Datei des nächsten Fehlers im Log an seiner Zeile.\nNächster Fehler"},
    {33133, "Öffnet die Datei des vorigen Fehlers im Log an seiner Zeile.\nVorheriger Fehler"},
    {57664, "Info"},
    {FileOpenPrompt, "Öffnet ein bestehendes Dokument.\nÖffnen"},
    {SaveAsPrompt, "Speichert das aktive Dokument unter neuem Namen.\nSpeichern unter"},
    {LatexHelpPrompt, "englische LaTeX2e - Hilfe"},
    {LanguageGermanPrompt, "Zeigt die Oberfläche in deutscher Sprache.\nDeutsch"},
    {LanguageEnglishPrompt, "Zeigt die Oberfläche in englischer Sprache.\nEnglish"},
    {LanguageFrenchPrompt, "Zeigt die Oberfläche in französischer Sprache.\nFrançais"},
    // Symbol commands: prompt, line feed, the text inserted
    {32784, "\\leftarrow\n\\leftarrow "},
    {32785, "\\Leftarrow\n\\Leftarrow "},
    {32786, "\\longleftarrow\n\\longleftarrow "},
    {32787, "\\Longleftarrow\n\\Longleftarrow "},
    {32788, "\\rightarrow\n\\rightarrow "},
    {32789, "\\Rightarrow\n\\Rightarrow "},
    {32790, "\\longrightarrow\n\\longrightarrow "},
    {32791, "\\Longrightarrow\n\\Longrightarrow "},
    {32792, "\\leftrightarrow\n\\leftrightarrow "},
    {32793, "\\longleftrightarrow\n\\longleftrightarrow "},
    {32794, "\\Leftrightarrow\n\\Leftrightarrow "},
    {32795, "\\Longleftrightarrow\n\\Longleftrightarrow "},
    {32796, "\\uparrow\n\\uparrow "},
    {32797, "\\Uparrow\n\\Uparrow "},
    {32798, "\\downarrow\n\\downarrow "},
    {32799, "\\Downarrow\n\\Downarrow "},
    {32800, "\\updownarrow\n\\updownarrow "},
    {32801, "\\Updownarrow\n\\Updownarrow "},
    {32802, "\\nearrow\n\\nearrow "},
    {32803, "\\searrow\n\\searrow "},
    {32804, "\\swarrow\n\\swarrow "},
    {32805, "\\nwarrow\n\\nwarrow "},
    {32806, "\\mapsto\n\\mapsto "},
    {32807, "\\longmapsto\n\\longmapsto "},
    {32808, "\\hookleftarrow\n\\hookleftarrow "},
    {32809, "\\hookrightarrow\n\\hookrightarrow "},
    {32810, "\\leftharpoonup\n\\leftharpoonup "},
    {32811, "\\leftharpoondown\n\\leftharpoondown "},
    {32812, "\\rightharpoonup\n\\rightharpoonup "},
    {32813, "\\rightharpoondown\n\\rightharpoondown "},
    {32814, "\\rightleftharpoons\n\\rightleftharpoons "},
    {32816, "\\pm\n\\pm "},
    {32818, "\\mp\n\\mp "},
    {32819, "\\cdot\n\\cdot "},
    {32820, "\\times\n\\times "},
    {32821, "\\ast\n\\ast "},
    {32822, "\\star\n\\star "},
    {32823, "\\setminus\n\\setminus "},
    {32824, "\\dvi\n\\div "},
    {32825, "\\diamond\n\\diamond "},
    {32826, "\\wr\n\\wr "},
    {32827, "\\hat\n\\hat "},
    {32828, "\\tilde\n\\tilde "},
    {32829, "\\grave\n\\grave "},
    {32830, "\\ddot\n\\ddot "},
    {32831, "\\bar\n\\bar "},
    {32832, "\\check\n\\check "},
    {32833, "\\acute\n\\acute "},
    {32834, "\\dot\n\\dot "},
    {32835, "\\breve\n\\breve "},
    {32836, "\\vec\n\\vec "},
    {32838, "\\circ\n\\circ "},
    {32839, "\\bullet\n\\bullet "},
    {32840, "\\cap\n\\cap "},
    {32841, "\\cup\n\\cup "},
    {32842, "\\uplus\n\\uplus "},
    {32843, "\\sqcup\n\\sqcup"},
    {32844, "\\sqcap\n\\sqcap "},
    {32845, "\\triangleleft\n\\triangleleft "},
    {32846, "\\triangleright\n\\triangleright "},
    {32847, "\\vee\n\\vee "},
    {32848, "\\wedge\n\\wedge "},
    {32849, "\\oplus\n\\oplus "},
    {32850, "\\ominus\n\\ominus "},
    {32851, "\\otimes\n\\otimes "},
    {32852, "\\oslash\n\\oslash "},
    {32853, "\\odot\n\\odot "},
    {32854, "\\dagger\n\\dagger "},
    {32855, "\\ddagger\n\\ddagger "},
    {32856, "\\amalg\n\\amalg "},
    {32857, "\\bigcirc\n\\bigcirc "},
    {32858, "\\bigtriangleup\n\\bigtriangleup "},
    {32859, "\\bigtriangledown\n\\bigtriangledown "},
    {32860, "\\leq\n\\leq "},
    {32861, "\\geq\n\\geq "},
    {32862, "\\prec\n\\prec "},
    {32863, "\\succ\n\\succ "},
    {32864, "\\preceq\n\\preceq "},
    {32865, "\\succeq\n\\succeq "},
    {32866, "\\ll\n\\ll "},
    {32868, "\\subset\n\\subset "},
    {32869, "\\supset\n\\supset "},
    {32870, "\\subseteq\n\\subseteq "},
    {32871, "\\supseteq\n\\supseteq "},
    {32872, "\\sqsubseteq\n\\sqsubseteq "},
    {32873, "\\sqsupseteq\n\\sqsupseteq "},
    {32874, "\\in\n\\in "},
    {32875, "\\ni\n\\ni "},
    {32876, "\\vdash\n\\vdash "},
    {32877, "\\dashv\n\\dashv "},
    {32878, "\\smile\n\\smile "},
    {32879, "\\frown\n\\frown "},
    {32880, "\\mid\n\\mid "},
    {32881, "\\parallel\n\\parallel "},
    {32882, "\\sqsubset\n\\sqsubset "},
    {32883, "\\sqsupset\n\\sqsupset "},
    {32884, "\\equiv\n\\equiv "},
    {32885, "\\sim\n\\sim "},
    {32886, "\\simeq\n\\simeq "},
    {32887, "\\asymp\n\\asymp "},
    {32888, "\\approx\n\\approx "},
    {32889, "\\cong\n\\cong "},
    {32890, "\\bowtie\n\\bowtie "},
    {32891, "\\propto\n\\propto "},
    {32892, "\\models\n\\models "},
    {32893, "\\doteq\n\\doteq "},
    {32894, "\\perp\n\\perp "},
    {32895, "\\Join\n\\Join "},
    {32896, "\\not\n\\not"},
    {32898, "\\gg\n\\gg "},
    {32899, "\\alpha\n\\alpha "},
    {32900, "\\beta\n\\beta "},
    {32901, "\\gamma\n\\gamma "},
    {32902, "\\delta\n\\delta "},
    {32903, "\\epsilon\n\\epsilon "},
    {32904, "\\varepsilon\n\\varepsilon "},
    {32905, "\\zeta\n\\zeta "},
    {32906, "\\eta\n\\eta "},
    {32907, "\\theta\n\\theta "},
    {32908, "\\vartheta\n\\vartheta "},
    {32912, "\\iota\n\\iota "},
    {32913, "\\kappa\n\\kappa "},
    {32914, "\\lambda\n\\lambda "},
    {32915, "\\mu\n\\mu "},
    {32916, "\\nu\n\\nu "},
    {32917, "\\xi\n\\xi "},
    {32918, "\\pi\n\\pi "},
    {32919, "\\varpi\n\\varpi "},
    {32920, "\\rho\n\\rho "},
    {32921, "\\varrho\n\\varrho "},
    {32922, "\\sigma\n\\sigma "},
    {32923, "\\varsigma\n\\varsigma "},
    {32924, "\\tau\n\\tau "},
    {32925, "\\upsilon\n\\upsilon "},
    {32926, "\\phi\n\\phi "},
    {32927, "\\varphi\n\\varphi "},
    {32928, "\\chi\n\\chi "},
    {32929, "\\psi\n\\psi "},
    {32930, "\\omega\n\\omega "},
    {32931, "\\Gamma\n\\Gamma "},
    {32932, "\\Delta\n\\Delta "},
    {32933, "\\Theta\n\\Theta "},
    {32934, "\\Lambda\n\\Lambda "},
    {32935, "\\Xi\n\\Xi "},
    {32936, "\\Pi\n\\Pi "},
    {32937, "\\Sigma\n\\Sigma "},
    {32938, "\\Upsilon\n\\Upsilon "},
    {32939, "\\Phi\n\\Phi "},
    {32940, "\\Psi\n\\Psi "},
    {32941, "\\Omega\n\\Omega "},
    {32946, "\\aleph\n\\aleph "},
    {32947, "\\hbar\n\\hbar "},
    {32948, "\\imath\n\\imath "},
    {32949, "\\jmath\n\\jmath "},
    {32950, "\\ell\n\\ell "},
    {32951, "\\wp\n\\wp "},
    {32952, "\\Re\n\\Re "},
    {32953, "\\Im\n\\Im "},
    {32954, "\\partial\n\\partial "},
    {32955, "\\infty\n\\infty "},
    {32957, "\\prime\n\\prime "},
    {32958, "\\emptyset\n\\emptyset "},
    {32959, "\\nabla\n\\nabla "},
    {32960, "\\surd\n\\surd "},
    {32961, "\\top\n\\top "},
    {32962, "\\bot\n\\bot "},
    {32963, "\\|\n\\| "},
    {32964, "\\angle\n\\angle "},
    {32965, "\\triangle\n\\triangle "},
    {32966, "\\backslash\n\\backslash "},
    {32967, "\\forall\n\\forall "},
    {32968, "\\exists\n\\exists "},
    {32969, "\\neg\n\\neg "},
    {32970, "\\flat\n\\flat "},
    {32971, "\\natural\n\\natural "},
    {32972, "\\sharp\n\\sharp "},
    {32973, "\\clubsuit\n\\clubsuit "},
    {32974, "\\diamondsuit\n\\diamondsuit "},
    {32975, "\\heartsuit\n\\heartsuit "},
    {32976, "\\spadesuit\n\\spadesuit "},
    {32977, "\\S\n\\S "},
    {32978, "\\P\n\\P "},
    {32981, "\\glqq\n\\glqq "},
    {32982, "\\grqq\n\\grqq "},
    // Texts with numbers of our own
    {AppName, "Scriblet"},
    {Ok, "OK"},
    {Cancel, "Abbrechen"},
    {MenuFile, "&Datei"},
    {MenuEdit, "&Bearbeiten"},
    {MenuView, "&Ansicht"},
    {MenuTex, "&TeX"},
    {MenuSettings, "&Einstellungen"},
    {MenuProject, "&Projekt"},
    {MenuWindow, "&Fenster"},
    {MenuHelp, "&?"},
    {MenuRun, "&Ausführen"},
    {MenuAddFrom, "Hinzufügen von"},
    {MenuContextAddFrom, "&Hinzufügen von"},
    {CapFileNew, "&Neu"},
    {CapFileOpen, "Ö&ffnen..."},
    {CapFileClose, "S&chließen"},
    {CapFileSave, "&Speichern"},
    {CapFileSaveAs, "Speichern &unter..."},
    {CapSaveAll, "&Alles Speichern"},
    {CapExit, "&Beenden"},
    {CapUndo, "&Rückgängig"},
    {CapRedo, "&Wiederherstellen"},
    {CapCut, "&Ausschneiden"},
    {CapCopy, "&Kopieren"},
    {CapPaste, "&Einfügen"},
    {CapSelectAll, "Alles &markieren"},
    {CapFind, "&Suchen..."},
    {CapFindNext, "&Weitersuchen"},
    {CapReplace, "&Ersetzen..."},
    {CapWordWrap, "&Zeilenumbruch"},
    {CapEditorFont, "Schrift&art..."},
    {CapMacroSettings, "&Makros"},
    {CapUmlautSettings, "&Umlaute"},
    {CapWindowCascade, "Ü&berlappend"},
    {CapWindowTile, "&Nebeneinander"},
    {CapWindowArrange, "&Symbole anordnen"},
    {CapAbout, "&Info"},
    {CapViewToolbar, "&Symbolleiste"},
    {CapViewStatusBar, "&Statusleiste"},
    {CapViewArrows, "P&feile"},
    {CapViewBinaryOps, "&Binäre Operatoren"},
    {CapViewAccents, "&Akzente"},
    {CapViewRelations, "&Relationen"},
    {CapViewGreek, "&gr. Buchstaben"},
    {CapViewOtherSymbols, "&sonstige Symbole"},
    {CapViewMacros, "&Makros"},
    {CapViewLogBar, "&Logbereich"},
    {CapViewProjectBar, "&Projektbereich"},
    {CapRunLatex, "&LaTeX"},
    {CapRunBibtex, "&BibTeX"},
    {CapRunDviViewer, "&DVIWin"},
    {CapRunDvips, "&DVI -> PS"},
    {CapRunPsViewer, "&GhostView"},
    {CapMainDocument, "&Haupt-TeX-Dokument"},
    {CapProgramCalls, "&Programmaufrufe"},
    {CapProjectNew, "&Neu"},
    {CapProjectOpen, "Ö&ffnen..."},
    {CapProjectClose, "S&chließen"},
    {CapProjectSave, "&Speichern..."},
    {CapProjectSaveAs, "Speichern &unter..."},
    {CapTexDocument, "&TeX-Dokument"},
    {CapRemove, "&Löschen"},
    {CapReloadToc, "&Neu Laden..."},
    {DocumentsArea, "Dokumente"},
    {Closing, "Scriblet wird beendet..."},
    {SaveChanges, "Änderungen in %s speichern?"},
    {SaveToUtf8, "%s enthält Zeichen, die in der Kodierung der Datei nicht gespeichert werden können.\nSoll die Datei in UTF-8 gespeichert werden?"},
    {SaveFailed, "%s konnte nicht gespeichert werden:\n%s"},
    {OpenFailed, "%s konnte nicht geöffnet werden:\n%s"},
    {FileNotFound, "Die Datei existiert nicht."},
    {FileNotRegular, "Das ist keine gewöhnliche Datei; sie kann nicht als Dokument geöffnet werden."},
    {FileAccessFailed, "Auf die Datei kann nicht zugegriffen werden."},
    {FileTooLarge, "Die Datei ist zu groß (%s MB); höchstens %s MB können bearbeitet werden."},
    {FileUnencodable, "Die Datei enthält Zeichen, die in ihrer Kodierung nicht gespeichert werden können."},
    {CantFind, "Can't find:\n '%s' file \nor\n '%s' file"},
    {ChooseLanguage, "Choose Language"},
    {LanguageGerman, "Deutsch"},
    {LanguageEnglish, "English"},
    {LanguageFrench, "Français"},
    {AboutHeading, "Scriblet 2.0r"},
    {LicenceName, "Lizenz"},
    {HyperlinkFailed, "Unable to open hyperlink:\n\n"},
    {SearchFinished, "Suche beendet..."},
    {FindTitle, "Suchen"},
    {ReplaceTitle, "Ersetzen"},
    {FindWhat, "Suchen &nach:"},
    {FindWhatName, "Suchen nach"},
    {ReplaceWith, "Ersetzen &durch:"},
    {ReplaceWithName, "Ersetzen durch"},
    {MatchCase, "&Groß-/Kleinschreibung"},
    {FindNextButton, "&Weitersuchen"},
    {ReplaceButton, "&Ersetzen"},
    {ReplaceAllButton, "&Alle ersetzen"},
    {FontTitle, "Schriftart"},
    {MacroPrompt, "Makro %s wird in den Text eingefügt..."},
    {MacroButtonName, "Makro %s"},
    {MacroKey, "Shift +"},
    {MacroName, "Name:"},
    {MacroText, "Text"},
    {UmlautTitle, "Umlaute"},
    {UmlautLabelAe, "ä :"},
    {UmlautLabelAeCap, "Ä :"},
    {UmlautLabelOe, "ö :"},
    {UmlautLabelOeCap, "Ö :"},
    {UmlautLabelUe, "ü :"},
    {UmlautLabelUeCap, "Ü :"},
    {UmlautLabelSz, "ß :"},
    {CapSyntaxHighlighting, "Sy&ntax-Highlighting"},
    {SyntaxTitle, "Syntax-Highlighting"},
    {SyntaxCheck, "Syntax-Highlighting"},
    {SyntaxEntryList, "Farbe für"},
    {SyntaxEntryCommands, "\\ (La)TeX Kommandos"},
    {SyntaxEntrySquareBrackets, "[] eckige Klammern"},
    {SyntaxEntryCurlyBraces, "{} geschweifte Klammern"},
    {SyntaxEntryComment, "% Bemerkung"},
    {SyntaxEntryMath, "$ mathematischer Mode"},
    {SyntaxEntryNormalText, "normaler Text"},
    {SyntaxEntryBackground, "Hintergrund"},
    {SyntaxDefault, "&Default"},
    {SyntaxColour, "&Farbe"},
    {ColourTitle, "Farbe"},
    {PaneHide, "Hide Docked Window"},
    {PaneMinimize, "Minimize Docked Window"},
    {LogBarTitle, "Logbereich"},
    {LogName, "Log"},
    {ProjectBarTitle, "Projektbereich"},
    {MainTexHint, "Für das aktuelle Dokument: die Zeile frei lassen !"},
    {Browse, "&Durchsuchen..."},
    {BrowseName, "Durchsuchen..."},
    {Clear, "Löschen"},
    {ExeFile, "exe - Datei"},
    {CmdLine, "cmd - Zeile"},
    {RunTexFirst, "führe zunächst LaTex aus"},
    {RunDvipsFirst, "führe zunächst DVIPS aus"},
    {HintTex, "%s : Haupt-TeX-Dokument"},
    {HintBibtex, "%s : Bib-TeX-Dokument"},
    {HintDvi, "%s : DVI-Dokument"},
    {HintPs, "%s : PS-Dokument"},
    {UserToolsGroup, "Benutzerprogramme:"},
    {UserToolsList, "Benutzerprogramme"},
    {ToolName, "Name"},
    {UserRunTex, "zunächst LaTeX"},
    {UserRunDvips, "zunächst DVIPS"},
    {KeysName, "Tasten"},
    {KeysLabel, "Tasten:"},
    {WithExtension, ">> Endung mit eingeben! <<"},
    {Parameters, "Parameter:\n%<p>s, %<p>c, %<p>m"},
    {UserToolKeys, "Ctrl + F%i"},
    {TabLatex, "LaTeX"},
    {TabBibtex, "BibTeX"},
    {TabDviWin, "DVIWin"},
    {TabDvips, "DVI PS"},
    {TabGhostView, "Ghost View"},
    {TabUserTools, "Benutzerdefiniert"},
    {ProjectTreeName, "Projekt"},
    {ProjectNameTitle, "Projektnamen eingeben"},
    {TooManyFiles, "too many files !!"},
    {TooManyTocEntries, "too many toc entries !!"},
    {ErrorReadingFile, "error reading file"},
    {NoProjectFiles, "no project-files!"},
    {NoTocFile, "no TOC-file!"},
    {CannotOpenProject, "Die Projekt-Datei %s konnte nicht geöffnet werden.\n%s"},
    {MenuLanguage, "&Sprache"},
    {CapLatexHelp, "englische &LaTeX2e - Hilfe"},
    {LanguageFileFailed, "Die Sprachdatei %s ist nicht verwendbar (%s); die Oberfläche bleibt deutsch."},
    {LanguageFileMissing, "sie fehlt"},
    {LanguageFileUnreadable, "sie kann nicht gelesen werden"},
    {LanguageFileIncomplete, "%s Texte fehlen"},
    {MenuUserTools, "&Benutzer-Programme"},
    {HandOverAmbiguous, "Ein weiterer Programmstart hat Namen übergeben, die nicht eindeutig zu trennen sind (ein Name enthält \";\"). Es wurde nichts geöffnet:\n%s"},
    {HyperlinkReason0, "The operating system is out\nof memory or resources."},
    {HyperlinkReason2, "The specified file was not found."},
    {HyperlinkReason3, "The specified path was not found."},
    {HyperlinkReason5, "The operating system denied\naccess to the specified file."},
    {HyperlinkReason8, "There was not enough memory to complete the operation."},
    {HyperlinkReason11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {HyperlinkReason26, "A sharing violation occurred. "},
    {HyperlinkReason27, "The filename association is\nincomplete or invalid."},
    {HyperlinkReason28, "The DDE transaction could not\nbe completed because the request timed out."},
    {HyperlinkReason29, "The DDE transaction failed."},
    {HyperlinkReason30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {HyperlinkReason31, "There is no application associated\nwith the given filename extension."},
    {HyperlinkReason32, "The specified dynamic-link library was not found."},
    {HyperlinkUnknown, "Unknown Error (%d) occurred."},
    {CapNextError, "&Nächster Fehler"},
    {CapPreviousError, "&Vorheriger Fehler"},
    {LogCounts, "%s beendet – Fehler: %s, Warnungen: %s, Bad Boxes: %s"},
    {LogCountsNoBoxes, "%s beendet – Fehler: %s, Warnungen: %s"},
    {RunCancelled, "%s wurde abgebrochen."},
    {LogNotNew, "%s wurde abgebrochen, bevor ein neues Log geschrieben war.\nDas Log des vorigen Laufs wird nicht gezeigt."},
    {LogCut, "[Der Anfang des Logs wurde abgeschnitten: die ersten %s Zeilen werden nicht gezeigt.]"},
    {NoErrors, "Das Log enthält keine Fehler."},
    {ErrorPosition, "Fehler %s von %s: %s"},
    {EntryWithoutFile, "Das Log nennt zu diesem Eintrag keine Datei."},
    {LogFindName, "Im Log suchen"},
    {RunStatusName, "Ergebnis des letzten Laufs"},
    {ToolStartFailedDetail, "Programm: %s\nGrund: %s"},
    {ToolReasonNotFound, "Das Programm wurde weder unter diesem Namen noch in den Ordnern des Suchpfads (PATH) gefunden."},
    {ToolReasonNoDirectory, "Der Ordner %s existiert nicht."},
    {TocNotCurrent, "%s (nicht aktuell)"},
    {TocNotCurrentTip, "Der letzte LaTeX-Lauf ist fehlgeschlagen; gezeigt wird das letzte vollständige Inhaltsverzeichnis."},
    {CapPrint, "&Drucken..."},
    {CapPrintPreview, "Seitenan&sicht"},
    {CapPageSetup, "Se&ite einrichten"},
    {PageSetupTitle, "Seite einrichten"},
    {PageSetupHeader, "&Kopfzeile:"},
    {PageSetupFooter, "&Fußzeile:"},
    {PrintFailed, "Der Drucker %s konnte nicht angesprochen werden.\nEs wurde nichts gedruckt."},
    {PrintPreviewTitle, "Seitenansicht"},
    {RecoveryTitle, "Wiederherstellung - Scriblet"},
    {RecoveryOffer, "Von %s gibt es eine ungespeicherte Fassung vom %s, die Scriblet aufbewahrt hat, weil es nicht ordnungsgemäß beendet wurde.\n\nWiederherstellen: das Dokument wird mit diesem Text geöffnet (noch nicht gespeichert).\nVerwerfen: die aufbewahrte Fassung wird gelöscht.\nSpäter entscheiden: Scriblet fragt beim nächsten Start wieder."},
    {RecoveryUntitled, "%s (nie gespeichert)"},
    {RecoveryRestore, "&Wiederherstellen"},
    {RecoveryDiscard, "&Verwerfen"},
    {RecoveryLater, "&Später entscheiden"},
    {RecoveryDamaged, "Die aufbewahrte Fassung %s kann nicht gelesen werden:\n%s\n\nSie bleibt erhalten und wird nicht gelöscht."},
    {RecoveryWriteFailed, "Die Sicherung für die Wiederherstellung nach einem Absturz konnte nicht geschrieben werden:\n%s\n\n(Diese Meldung erscheint nur einmal.)"},
    {DiskChangedReload, "%s wurde von einem anderen Programm geändert.\n\nNeu laden und die Änderungen in Scriblet verwerfen?\n(Nein: Ihre Fassung bleibt geöffnet.)"},
    {DiskChangedSave, "%s wurde seit dem Laden von einem anderen Programm geändert.\n\nTrotzdem speichern und die andere Fassung ersetzen?"},
    {CauseNoPermission, "Zugriff verweigert."},
    {CauseReadOnly, "Der Datenträger oder die Datei ist schreibgeschützt."},
    {CauseNoSpace, "Auf dem Datenträger ist kein Platz mehr frei (oder das Kontingent ist erschöpft)."},
    {CauseIsDirectory, "Das ist ein Ordner, keine Datei."},
    {CauseNameTooLong, "Der Name ist zu lang."},
    {CauseInputOutput, "Das Gerät meldet einen Ein-/Ausgabefehler."},
    {CauseOther, "Fehler des Systems (%s)."},
    {SettingsWriteFailed, "Die Einstellungen können nicht gespeichert werden:\n%s\n%s\n\nÄnderungen der Einstellungen gehen beim Beenden verloren. (Diese Meldung erscheint nur einmal.)"},
    {MacrosUnreadable, "Die Makros können nicht gelesen werden:\n%s\n%s\n\nBis die Datei lesbar ist, gelten die vorgegebenen Makros; die Datei bleibt unverändert."},
    {HandOversNotFound, "Diese Dateien wurden nicht in\n%s gefunden !!\n\n%s"},
    {CapCustomize, "&Anpassen..."},
    {ButtonDelete, "&Löschen"},
    {ButtonLook, "&Aussehen..."},
    {ButtonImage, "&Bild"},
    {ButtonText, "&Text"},
    {ButtonImageAndText, "Bild &und Text"},
    {ButtonGroup, "&Gruppierung"},
    {LookTitle, "Aussehen der Schaltfläche"},
    {LookCaption, "Schaltflächen&text:"},
    {CustomiseCategories, "&Kategorien:"},
    {CustomiseCommands, "&Befehle:"},
    {CustomiseHint, "Ziehen Sie einen Befehl auf eine Leiste. Schaltflächen lassen sich auf den Leisten verschieben; eine Schaltfläche, die von der Leiste gezogen wird, wird entfernt."},
    {CustomiseClose, "Schließen"},
    {MissingCommand, "Befehl %d ist nicht mehr vorhanden"},
    {ChannelUnavailable, "Der private Kanal, über den ein weiterer Start seine Dateien an dieses Fenster übergibt, kann nicht benutzt werden:\n%s\n\nScriblet läuft ohne ihn; ein weiterer Start öffnet ein eigenes Fenster."},
};

// Index from number to table row (rows hold UTF-8 bytes, no looked-up text).
const QHash<int, const char *> &index()
{
    static const QHash<int, const char *> map = [] {
        QHash<int, const char *> m;
        for (const Entry &e : Table)
            m.insert(e.id, e.text);
        return m;
    }();
    return map;
}

// One user-interface thread: no lock.
std::shared_ptr<const QTranslator> &translation()
{
    static std::shared_ptr<const QTranslator> t;
    return t;
}

} // namespace

QString german(int id)
{
    const char *t = index().value(id, nullptr);
    return t ? QString::fromUtf8(t) : QString();
}

bool isVerbatim(int id)
{
    // The default keyword files are file contents: LaTeX names, never translated.
    if (id == DefaultCommands1 || id == DefaultCommands2 || id == DefaultCommands3 || id == DefaultEnvironments)
        return true;
    // The symbol commands lie between 32784 and 32982; the bar toggles among them
    // are prose.
    return id >= 32784 && id <= 32982 && german(id).startsWith(u'\\');
}

QString text(int id)
{
    if (const auto &t = translation(); t && contains(id) && !isVerbatim(id)) {
        const QString translated = t->translate(nullptr, key(id).constData());
        if (!translated.isNull())
            return translated;
    }
    return german(id);
}

QByteArray key(int id) { return QByteArray::number(id); }

void setTranslation(std::shared_ptr<const QTranslator> t) { translation() = std::move(t); }

bool hasTranslation() { return translation() != nullptr; }

bool contains(int id) { return index().contains(id); }

qsizetype rowCount() { return qsizetype(std::size(Table)); }

QList<int> ids()
{
    QList<int> out = index().keys();
    std::sort(out.begin(), out.end());
    return out;
}

QString prompt(int id)
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(u'\n');
    return nl < 0 ? t : t.left(nl);
}

QString toolTip(int id)
{
    const QString t = text(id);
    const qsizetype nl = t.indexOf(u'\n');
    return nl < 0 ? QString() : t.mid(nl + 1);
}

QString format(const QString &pattern, const QStringList &args)
{
    QString out;
    out.reserve(pattern.size() + 32);
    int next = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c == u'%' && i + 1 < pattern.size()) {
            const QChar t = pattern.at(i + 1);
            if (t == u's' || t == u'u' || t == u'i' || t == u'd') {
                out += next < args.size() ? args.at(next) : QString();
                ++next;
                ++i;
                continue;
            }
            if (t == u'%') {
                out += u'%';
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

QString format(int id, const QStringList &args) { return format(text(id), args); }

} // namespace Str
