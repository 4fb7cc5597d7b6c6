#pragma once

class TextBox;

// The open and save buttons of the editors: each asks for a file name and reads or writes the
// whole file in the ANSI code page. Nothing remembers a current file.

// Replaces the editor's text with the chosen file's (raising its change event). A cancelled
// dialog or a file that cannot be read ends the action silently, the editor untouched.
void OpenIntoEditor(TextBox& editor);

// Writes the editor's text and one CR LF to the chosen file. A cancelled dialog or a failed
// write shows "确定取消保存？" and leaves any old file as it was.
void SaveFromEditor(TextBox& editor);
