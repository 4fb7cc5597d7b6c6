// The frame in its three styles: group frames in each alignment, with square corners, an
// icon, a border, disabled; a picture panel; an auto-sized label.

#include <QLinearGradient>
#include <QPainter>

#include "FxFrame.h"
#include "GalleryPages.h"
#include "PagePlacement.h"

namespace {

struct Sample {
    QRect rect;
    const char* stored;
    const char* note;
};

const Sample kSamples[] = {
    {{20, 20, 200, 90}, "caption = str \"编辑区\"\n", "Style 0, Alignment 0"},
    {{240, 20, 200, 90},
     "caption = str \"预览效果\"\nalignment = int 1\nforecolor = uint 0xB99D7F\n",
     "Alignment 1"},
    {{460, 20, 200, 90},
     "caption = str \"M2引擎文档大全\"\nalignment = int 2\nforecolor = uint 0xB99D7F\n",
     "Alignment 2"},
    {{20, 140, 200, 90},
     "caption = str \"NPC代码\"\ncrad = short 0\nforecolor = uint 0xB99D7F\n",
     "CRad 0"},
    {{240, 140, 200, 90},
     "caption = str \"懒人模式\"\nenabled = bool false\nforecolor = uint 0xB99D7F\n",
     "Enabled False"},
    {{460, 140, 200, 90},
     "caption = str \"&Border\"\nborderstyle = int 1\ncrad = short 12\nforecolor = uint 0x9C6B3C\n"
     "fontcolor = uint 0x9C6B3C\n",
     "BorderStyle 1, CRad 12"},
    {{240, 260, 200, 90},
     "caption = str \"Panel caption\"\nstyle = int 1\nborderstyle = int 1\n"
     "drawwidth = short 2\nalignment = int 2\n",
     "Style 1 with picture"},
    {{460, 260, 120, 30},
     "caption = str \"Notice路径：\"\nstyle = int 2\nautosize = bool true\n",
     "Style 2, AutoSize"},
};

QImage SamplePicture(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(0x3C, 0x7F, 0xB1));
    gradient.setColorAt(1, QColor(0xDF, 0xF2, 0xFC));
    painter.fillRect(image.rect(), gradient);
    return image;
}

}  // namespace

QWidget* BuildFxFramePage() {
    QWidget* page = NewPage(QSize(680, 380));
    int n = 1;
    for (const Sample& sample : kSamples) {
        auto* frame = PlaceControl<FxFrame>(page, QStringLiteral("FxFrame%1").arg(n++), sample.rect,
                                            QString::fromUtf8(sample.stored));
        if (frame->Style() == 1) frame->SetPicture(SamplePicture(sample.rect.size()));
        PlaceNote(page, QString::fromUtf8(sample.note),
                  QPoint(sample.rect.left(), sample.rect.top() + sample.rect.height() + 4));
    }
    auto* icon = PlaceControl<FxFrame>(page, QStringLiteral("FxFrame%1").arg(n), {20, 260, 200, 90},
                                       QStringLiteral("caption = str \"Icon\"\n"));
    icon->SetIcon(SamplePicture(QSize(16, 16)));
    PlaceNote(page, QStringLiteral("Icon"), QPoint(20, 354));
    return page;
}
