// The program's session alone, for the tests that end it from outside: settings from the file
// named first, data in the folder named second, the text named third typed into the field, then the
// code printed on one line once the window runs; it ends as the program does.
#include "app/Session.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    Session session(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    session.Montrer();
    if (argc > 3)
        QTest::keyClicks(session.Fenetre().findChild<QTextEdit *>(QStringLiteral("editeurPseudo")),
                         QString::fromLocal8Bit(argv[3]));
    QTimer::singleShot(0, [&session] {
        std::printf(
            "%s\n",
            qPrintable(
                session.Fenetre().findChild<QLineEdit *>(QStringLiteral("ligneSortie"))->text()));
        std::fflush(stdout);
    });
    const int retour = application.exec();
    session.Terminer();
    return retour;
}
