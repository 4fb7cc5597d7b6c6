#include "RenderCommand.h"

#include <QFile>
#include <QWidget>
#include <cstdio>

#include "Clock.h"
#include "EventPrinter.h"
#include "GalleryControls.h"
#include "ImageExport.h"
#include "InputDriver.h"
#include "MessageBoxRecorder.h"
#include "PropertyBag.h"
#include "UserControl.h"

int RunRenderCommand(const RenderArgs& args) {
    const GalleryControl* entry = FindControl(args.control);
    if (!entry) {
        std::fprintf(stderr, "unknown control %s\n", qPrintable(args.control));
        return 2;
    }
    QFile file(args.propsPath);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(args.propsPath));
        return 1;
    }
    const QString text = QString::fromUtf8(file.readAll());
    Clock::UseManualTime();
    // Message boxes (About) are printed instead of shown.
    MessageBoxRecorder messages(
        [](const MessageBox::Record& r) { std::printf("MessageBox %s\n", qPrintable(r.text)); });

    // Hosted in a plain window, as on a form: the see-through mask is then the toolkit's own.
    QWidget host;
    UserControl* control = entry->create(&host);
    control->SetName(entry->className + QStringLiteral("1"));
    const QSize size = args.size.value_or(entry->defaultSize);
    control->SetSizeTwips(Units::PixelsToTwips(size.width()), Units::PixelsToTwips(size.height()));
    EventPrinter printer(control, &UserControl::staticMetaObject);
    const PropertyBag stored = PropertyBag::FromText(text);
    if (text.trimmed().isEmpty())
        control->InitNew();
    else
        control->Load(stored);
    // Items are no stored property of a list; the render command takes them from "item" lines.
    if (entry->addItem) {
        for (const PropertyBag::Entry& e : stored.Entries())
            if (e.key.compare(QLatin1String("item"), Qt::CaseInsensitive) == 0)
                entry->addItem(control, e.value.toString());
    }
    host.resize(control->size());
    host.show();

    InputDriver driver(control);
    for (const QString& action : args.actions)
        driver.Run(
            action, [&](bool on) { entry->setEnabled(control, on); },
            [&](const QString& item) {
                if (entry->addItem) entry->addItem(control, item);
            });

    const QImage image = entry->snapshot
                             ? entry->snapshot(control)
                             : ImageWithMask(control->surface().image(), control->mask());
    delete control;
    if (!SavePng(image, args.outPath)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(args.outPath));
        return 1;
    }
    return 0;
}
