// tycora_make_bold_face: the bold face as the windows use it, made once at
// build time from Wine's Tahoma Bold (see font_data.h: its outlines and
// bitmap strikes are regular in weight), so that the program registers the
// finished face instead of mending the font at every start.
//
//   tycora_make_bold_face SHIPPED.ttf OUT.ttf

#include "toolkit/font_data.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    using namespace tycora::ui::fontdata;
    if (argc != 3) {
        std::fprintf(stderr, "usage: tycora_make_bold_face SHIPPED.ttf OUT.ttf\n");
        return 2;
    }
    QFile in(QString::fromLocal8Bit(argv[1]));
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "tycora_make_bold_face: cannot read %s\n", argv[1]);
        return 1;
    }
    const QByteArray shipped = in.readAll();
    const QByteArray bold = boldFaceFromShipped(shipped);
    if (bold == shipped) {
        std::fprintf(stderr, "tycora_make_bold_face: %s is not a TrueType font with outlines\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly) || out.write(bold) != bold.size() || !out.flush()) {
        std::fprintf(stderr, "tycora_make_bold_face: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
