// Draws the start screen, step 1 and step 2 into PNG files for a visual check:
//   screens12_grab <folder> [picks]
// With "picks", some options are chosen first so that prices, labels and
// pictures show.

#include "ScreenHarness.h"

#include "RadioGroup.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QRadioButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    ScreenHarness h;
    h.root.show();
    if (argc > 2) {
        h.find<QRadioButton>("RBtnMap3")->click();
        h.find<QComboBox>("CBoxHokan")->setCurrentIndex(3);
        h.place->CBoxHokanClick();
        h.find<QRadioButton>("RBtnShindan2")->click();
        h.find<TRadioGroup>("RBtnGrpHitugi")->button(3)->click();
        h.find<TRadioGroup>("RBtnGrpSaidan")->button(1)->click();
        h.find<QComboBox>("CBoxHenrei1")->setCurrentIndex(2);
        h.find<QComboBox>("CBoxHenrei2")->setCurrentIndex(5);
    }
    const struct {
        QWidget* screen;
        const char* file;
    } shots[] = {{h.start, "start.png"}, {h.place, "place.png"}, {h.preparation, "preparation.png"}};
    for (const auto& s : shots)
        s.screen->grab().save(QDir(folder).filePath(QString::fromLatin1(s.file)));
    return 0;
}
