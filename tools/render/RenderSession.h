#pragma once

#include <QString>

#include "RenderOptions.h"

class Label;
class LoadedForm;
class ListBox;
class PictureBox;
class PreviewPanes;
class SectionPane;

// One run of the renderer: the five previews as the main window has them, the file put into
// the chosen pane's editor, the clicks asked for, and every event written to standard output
// as it happens.
class RenderSession {
public:
    explicit RenderSession(const RenderOptions& options) : m_options(options) {}

    // Returns the process exit code.
    int Run();

private:
    static PictureBox* PictureOf(const PreviewPanes& previews, LoadedForm& form,
                                 RenderOptions::Pane pane);
    static void WatchPicture(PictureBox* picture);
    // One "label" line for each line of the label's caption.
    static void EmitLabelLines(const Label& label);
    static void WatchList(ListBox* list, const QString& name);
    static void WatchLinks(const SectionPane& pane);
    static void Emit(const QString& line);
    // Keeps every event on one output line.
    static QString Escaped(const QString& text);

    RenderOptions m_options;
};
