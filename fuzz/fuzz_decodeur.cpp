// Reads any bytes as a code: decoding must never crash, and the nickname it gives, written
// by the encoder and read again, must be the same nickname (its first 45 characters, the ones
// the code can describe, in every attribute; all of its text).
#include "encoder/CalculPseudo.h"
#include "encoder/DecodeurPseudo.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *donnees, size_t taille)
{
    const QString code =
        QString::fromUtf8(reinterpret_cast<const char *>(donnees), qsizetype(taille));
    const DecodeurPseudo::Lecture lecture = DecodeurPseudo::Lire(code);
    if (lecture.niveaux.size() != size_t(lecture.texte.size()) ||
        lecture.styles.size() != size_t(lecture.texte.size()))
        std::abort();

    CalculPseudo calcul;
    calcul.DefinirCases(lecture.niveaux, lecture.styles);
    const DecodeurPseudo::Lecture relue = DecodeurPseudo::Lire(calcul.GenererCode(lecture.texte));
    if (relue.texte != lecture.texte)
        std::abort();
    for (int i = 0; i < lecture.texte.size() && i < CalculPseudo::NombreCases; ++i)
        if (relue.niveaux[i] != lecture.niveaux[i] || relue.styles[i] != lecture.styles[i])
            std::abort();
    return 0;
}
