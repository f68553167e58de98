#!/usr/bin/env bash
# Qt's own French and German words, cut down to what the page can show: its dialogs, buttons,
# menus, key names and scroll bars. Printing, networks, databases and file dialogs (the page
# uses the browser's) stay out of the download.
#   packaging/web/traductions-qt.sh OUTPUT-FOLDER
set -euo pipefail
sortie=$1
rm -rf "$sortie"
mkdir -p "$sortie"
contextes="QShortcut QMessageBox QPlatformTheme QColorDialog QDialogButtonBox QInputDialog
QLineEdit QWidgetTextControl QUnicodeControlCharacterMenu QScrollBar QAbstractSpinBox QComboBox
QTabBar QAccessibleActionInterface QDialog QWidget QApplication QGuiApplication QCoreApplication
CloseButton QWhatsThisAction"
for langue in fr de; do
    /usr/lib/qt6/bin/lconvert -i "/usr/share/qt6/translations/qtbase_$langue.qm" \
        -o "$sortie/tout_$langue.ts"
    /usr/bin/python3 - "$sortie/tout_$langue.ts" "$sortie/qtbase_$langue.ts" $contextes <<'FIN'
import re, sys
source, cible, gardes = sys.argv[1], sys.argv[2], set(sys.argv[3:])
texte = open(source, encoding="utf-8").read()
garder = lambda m: m.group(0) if m.group(1) in gardes else ""
open(cible, "w", encoding="utf-8").write(
    re.sub(r"<context>\s*<name>([^<]+)</name>.*?</context>\s*", garder, texte, flags=re.S))
FIN
    /usr/lib/qt6/bin/lconvert -i "$sortie/qtbase_$langue.ts" -o "$sortie/qtbase_$langue.qm"
    rm "$sortie/tout_$langue.ts" "$sortie/qtbase_$langue.ts"
done
