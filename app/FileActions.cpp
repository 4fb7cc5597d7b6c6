#include "FileActions.h"

#include "FileDialog.h"
#include "MessageBox.h"
#include "TextBox.h"
#include "TextFile.h"

void OpenIntoEditor(TextBox& editor) {
    const QString path =
        FileDialog::Show(editor.window(), false, QStringLiteral("请选择文件"),
                         QStringLiteral("文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*"), {}, {}, {});
    const std::optional<QString> text = TextFile::OpenAnsiDocument(path);
    if (!text) return;
    editor.SetText(*text);
}

void SaveFromEditor(TextBox& editor) {
    const QString path =
        FileDialog::Show(editor.window(), true, QStringLiteral("保存文件到"),
                         QStringLiteral("*.txt"), QStringLiteral("未命名.txt"), {}, {});
    if (TextFile::WriteAnsiLine(path, editor.Text())) return;
    MessageBox::Show(QStringLiteral("确定取消保存？"));
}
