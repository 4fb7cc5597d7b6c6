#include "FileDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <functional>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Clock.h"
#include "FileDialogStub.h"
#include "MessageBoxRecorder.h"

namespace {

class FileDialogTest : public ::testing::Test {
protected:
    void SetUp() override { Clock::UseManualTime(5000); }
    void TearDown() override { Clock::UseSystemTime(); }

    static QString ShowSave(const QString& initialName) {
        return FileDialog::Show(nullptr, true, "Save", "*.txt", initialName, "txt", "/data");
    }
};

TEST(FileDialogFilter, PairsBecomeDialogEntries) {
    const std::vector<std::pair<QString, QStringList>> cases = {
        {"文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*", {"文本文件 (*.txt)", "所有文件 (*.*)"}},
        {"*.txt", {"*.txt"}},
        {"Scripts|*.txt;*.ini", {"Scripts (*.txt *.ini)"}},
        {"Text (*.txt)|*.log", {"Text (*.txt) (*.log)"}},
        {"A|*.a|B", {"A (*.a)", "B"}},
        {"|*.a", {"(*.a)"}},
        {"", {}},
    };
    for (const auto& [filter, entries] : cases)
        EXPECT_EQ(FileDialog::FilterEntries(filter), entries) << filter.toStdString();
}

TEST_F(FileDialogTest, HandlerGetsEveryArgumentAndItsAnswerEndsAtNul) {
    FileDialogStub stub({QStringLiteral("/data/a.txt") + QChar(0) + "junk"});
    QWidget owner;
    EXPECT_EQ(FileDialog::Show(&owner, false, "T", "F|*.f", "n.txt", "ext", "/dir"), "/data/a.txt");
    ASSERT_EQ(stub.requests().size(), 1);
    const FileDialog::Request& r = stub.requests()[0];
    EXPECT_EQ(r.owner, &owner);
    EXPECT_FALSE(r.save);
    EXPECT_EQ(r.title, "T");
    EXPECT_EQ(r.filter, "F|*.f");
    EXPECT_EQ(r.initialName, "n.txt");
    EXPECT_EQ(r.defaultExtension, "ext");
    EXPECT_EQ(r.initialDirectory, "/dir");
}

// A dialog back in under 20 ms was never seen: it is shown once more without the initial name,
// and the second answer counts.
TEST_F(FileDialogTest, QuickReturnShowsTheDialogAgainWithoutTheName) {
    const std::vector<std::pair<qint64, int>> cases = {{0, 2}, {19, 2}, {20, 1}, {3000, 1}};
    for (const auto& [ms, shows] : cases) {
        FileDialogStub stub({"/first.txt", "/second.txt"}, ms);
        EXPECT_EQ(ShowSave("未命名.txt"), shows == 1 ? "/first.txt" : "/second.txt") << ms;
        ASSERT_EQ(stub.requests().size(), shows) << ms;
        EXPECT_EQ(stub.requests()[0].initialName, "未命名.txt");
        if (shows == 2) {
            EXPECT_EQ(stub.requests()[1].initialName, "");
            EXPECT_EQ(stub.requests()[1].title, "Save");
        }
    }
}

TEST_F(FileDialogTest, QuickCancelIsShownAgainButSlowCancelIsFinal) {
    FileDialogStub quick({"", "/b.txt"}, 5);
    EXPECT_EQ(ShowSave("x.txt"), "/b.txt");
    FileDialogStub slow({"", "/b.txt"}, 500);
    EXPECT_EQ(ShowSave("x.txt"), "");
    EXPECT_EQ(slow.requests().size(), 1);
}

TEST_F(FileDialogTest, TickCountWrapDoesNotCountAsQuickReturn) {
    Clock::UseManualTime(0xFFFFFFF0LL);
    FileDialogStub stub({"/a.txt", "/b.txt"}, 100);
    EXPECT_EQ(ShowSave("x.txt"), "/a.txt");
    EXPECT_EQ(stub.requests().size(), 1);
}

TEST_F(FileDialogTest, InitialNameOver130CharactersIsRefusedWithAWarning) {
    for (const QChar ch : {QChar('a'), QChar(0x4E2D)}) {
        FileDialogStub stub({"/a.txt"});
        MessageBoxRecorder messages;
        EXPECT_EQ(ShowSave(QString(131, ch)), "");
        EXPECT_TRUE(stub.requests().isEmpty());
        ASSERT_EQ(messages.records().size(), 1);
        EXPECT_EQ(messages.records()[0].text, "Filename Length Overflow");
        EXPECT_EQ(messages.records()[0].caption, "Veltrane - FileDialog Function");
        EXPECT_EQ(messages.records()[0].icon, MessageBox::Icon::Warning);

        EXPECT_EQ(ShowSave(QString(130, ch)), "/a.txt");
        EXPECT_EQ(messages.records().size(), 1);
    }
}

// Plays the person at the real dialogs: each step runs once, on the next visible modal window,
// which must be of its class. Any other window that stays open is rejected and fails the test,
// so a test never hangs.
class ModalScript {
public:
    using Step = std::pair<const char*, std::function<void(QWidget*)>>;
    explicit ModalScript(std::vector<Step> steps) : m_steps(std::move(steps)) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        if (m_stepQueued || !modal || !modal->isVisible()) return;
        if (m_next < m_steps.size() && modal->inherits(m_steps[m_next].first)) {
            // Run from an event of its own: a timer does not fire again while its handler runs,
            // and a step may open the next window from inside itself.
            m_stepQueued = true;
            QTimer::singleShot(0, &m_timer,
                               [this, step = m_steps[m_next++].second, window = QPointer(modal)] {
                                   m_stepQueued = false;
                                   // The person takes a while: the dialog was seen.
                                   Clock::Advance(1000);
                                   if (window) step(window);
                               });
            m_waitingPolls = 0;
        } else if (auto* dialog = qobject_cast<QDialog*>(modal);
                   dialog && ++m_waitingPolls > kMaxWaitingPolls) {
            ADD_FAILURE() << "unexpected " << modal->metaObject()->className();
            dialog->reject();
        }
    }

    // A window that just closed may still look open while its nested loop winds down: only a
    // window that stays is unexpected.
    static constexpr int kMaxWaitingPolls = 200;

    std::vector<Step> m_steps;
    size_t m_next = 0;
    bool m_stepQueued = false;
    int m_waitingPolls = 0;
    QTimer m_timer;
};

void ClickMessageButton(QWidget* box, QMessageBox::StandardButton button) {
    static_cast<QMessageBox*>(box)->button(button)->click();
}

TEST_F(FileDialogTest, SaveDialogIsSetUpFromTheArguments) {
    QTemporaryDir dir;
    QFileDialog* seen = nullptr;
    ModalScript script({{"QFileDialog", [&](QWidget* w) {
                             auto* dialog = static_cast<QFileDialog*>(w);
                             seen = dialog;
                             EXPECT_EQ(dialog->windowTitle(), "保存文件到");
                             EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
                             EXPECT_EQ(dialog->nameFilters(), QStringList{"*.txt"});
                             EXPECT_EQ(dialog->directory().absolutePath(), dir.path());
                             EXPECT_EQ(dialog->defaultSuffix(), "txt");
                             static_cast<QDialog*>(dialog)->accept();
                         }}});
    const QString path =
        FileDialog::Show(nullptr, true, "保存文件到", "*.txt", "未命名", ".txt", dir.path());
    EXPECT_NE(seen, nullptr);
    EXPECT_EQ(path, dir.filePath("未命名.txt"));
}

TEST_F(FileDialogTest, SaveDialogAsksBeforeReplacingAFile) {
    QTemporaryDir dir;
    QFile(dir.filePath("a.txt")).open(QIODevice::WriteOnly);
    auto accept = [](QWidget* w) { static_cast<QDialog*>(w)->accept(); };
    auto answer = [](QMessageBox::StandardButton button) {
        return [button](QWidget* box) { ClickMessageButton(box, button); };
    };
    {
        ModalScript script({{"QFileDialog", accept}, {"QMessageBox", answer(QMessageBox::Yes)}});
        EXPECT_EQ(FileDialog::Show(nullptr, true, "T", "*.txt", "a.txt", "", dir.path()),
                  dir.filePath("a.txt"));
    }
    {
        // "No" keeps the dialog open; cancelling it then gives no name.
        ModalScript script(
            {{"QFileDialog", accept},
             {"QMessageBox", answer(QMessageBox::No)},
             {"QFileDialog", [](QWidget* w) { static_cast<QDialog*>(w)->reject(); }}});
        EXPECT_EQ(FileDialog::Show(nullptr, true, "T", "*.txt", "a.txt", "", dir.path()), "");
    }
}

// The open dialog takes a name that does not exist once the user agrees to create it.
TEST_F(FileDialogTest, OpenDialogAsksBeforeTakingAMissingName) {
    QTemporaryDir dir;
    auto choose = [](QWidget* w) {
        // As typed: selectFile leaves the name field alone while it has the focus.
        w->findChild<QLineEdit*>("fileNameEdit")->setText("new.txt");
        static_cast<QDialog*>(w)->accept();
    };
    {
        ModalScript script({{"QFileDialog", choose},
                            {"QMessageBox", [](QWidget* box) {
                                 EXPECT_TRUE(
                                     static_cast<QMessageBox*>(box)->text().contains("new.txt"));
                                 ClickMessageButton(box, QMessageBox::Yes);
                             }}});
        EXPECT_EQ(FileDialog::Show(nullptr, false, "请选择文件", "", "", "", dir.path()),
                  dir.filePath("new.txt"));
    }
    {
        // "No" goes back to the dialog; cancelling it then gives no name.
        ModalScript script(
            {{"QFileDialog", choose},
             {"QMessageBox", [](QWidget* box) { ClickMessageButton(box, QMessageBox::No); }},
             {"QFileDialog", [](QWidget* w) { static_cast<QFileDialog*>(w)->reject(); }}});
        EXPECT_EQ(FileDialog::Show(nullptr, false, "请选择文件", "", "", "", dir.path()), "");
    }
    EXPECT_FALSE(QDir(dir.path()).exists("new.txt"));  // the dialog itself creates nothing
}

}  // namespace
