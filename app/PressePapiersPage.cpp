#include "app/PressePapiersPage.h"

#include <QtGlobal>

#ifdef Q_OS_WASM
#include "widgets/PressePapiers.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>

#include <emscripten.h>
#include <emscripten/bind.h>

#include <memory>
#include <utility>

namespace {

PressePapiers::Resultat ImageEnAttente;

void ImageCopiee(bool copie)
{
    if (const PressePapiers::Resultat resultat = std::exchange(ImageEnAttente, {}))
        resultat(copie);
}

} // namespace

EMSCRIPTEN_BINDINGS(vivarel_presse_papiers)
{
    emscripten::function("vivarelImageCopiee", &ImageCopiee);
}

// Listening on the window, in its capture phase, comes before any listener of Qt's, wherever it
// is: each event is handled here, once. The program's own copy is written as it is; the
// player's copy, cut or paste goes to Qt's handlers. Qt takes a cut for a copy: what was
// selected is then deleted as the Delete key would.
// clang-format off
EM_JS(void, vivarel_installer_presse_papiers, (), {
    var aEcrire = null;
    var ecrit = false;
    function touche(cle) {
        ["keydown", "keyup"].forEach(function(type) {
            Module.qtContainerElements[0].dispatchEvent(new KeyboardEvent(type,
                { key: cle, code: cle, bubbles: true, cancelable: true }));
        });
    }
    function recevoir(e) {
        if (aEcrire) {
            for (var type in aEcrire)
                e.clipboardData.setData(type, aEcrire[type]);
            ecrit = true;
        } else if (e.type === "paste") {
            Module.qtClipboardPasteTo(e);
        } else {
            Module.qtClipboardCopyTo(e);
            if (e.type === "cut")
                touche("Delete");
        }
        e.preventDefault();
        e.stopImmediatePropagation();
    }
    ["copy", "cut", "paste"].forEach(function(type) {
        window.addEventListener(type, recevoir, true);
    });
    // Taken only when the browser made a copy event and it carried the data. WebKit makes none
    // from a text field that has the focus and nothing selected: it is given a selection.
    Module.vivarelCopier = function(donnees) {
        var champ = document.activeElement;
        var valeur = null;
        if (champ && typeof champ.select === "function" && champ.selectionStart === champ.selectionEnd) {
            valeur = champ.value;
            champ.value = " ";
            champ.select();
        }
        aEcrire = donnees;
        ecrit = false;
        var pris = false;
        try {
            pris = document.execCommand("copy");
        } catch (erreur) {
        }
        aEcrire = null;
        if (valeur !== null)
            champ.value = valeur;
        return pris && ecrit;
    };
});

EM_JS(int, vivarel_copier, (const char *texte, const char *html), {
    var donnees = { "text/plain": UTF8ToString(texte) };
    if (html)
        donnees["text/html"] = UTF8ToString(html);
    return Module.vivarelCopier(donnees) ? 1 : 0;
});

// An image only through the asynchronous clipboard, which answers later.
EM_JS(void, vivarel_copier_image, (const char *png, int taille), {
    try {
        var image = new Blob([HEAPU8.slice(png, png + taille)], { type: "image/png" });
        navigator.clipboard.write([new ClipboardItem({ "image/png": image })]).then(
            function() { Module.vivarelImageCopiee(true); },
            function() { Module.vivarelImageCopiee(false); });
    } catch (erreur) {
        Module.vivarelImageCopiee(false);
    }
});
// clang-format on

namespace {

void EcrirePage(QMimeData *donnees, const PressePapiers::Resultat &resultat)
{
    const std::unique_ptr<QMimeData> garde(donnees);
    if (donnees->hasImage()) {
        QByteArray png;
        QBuffer tampon(&png);
        tampon.open(QIODevice::WriteOnly);
        qvariant_cast<QImage>(donnees->imageData()).save(&tampon, "PNG");
        ImageEnAttente = resultat;
        vivarel_copier_image(png.constData(), int(png.size()));
        return;
    }
    const QByteArray texte = donnees->text().toUtf8();
    const QByteArray html = donnees->html().toUtf8();
    resultat(vivarel_copier(texte.constData(), donnees->hasHtml() ? html.constData() : nullptr));
}

} // namespace

void PressePapiersPage::Installer()
{
    vivarel_installer_presse_papiers();
    PressePapiers::Remplacer(EcrirePage);
}

#else

void PressePapiersPage::Installer() {}

#endif
