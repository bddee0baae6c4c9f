#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QVariant>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "app/Application.h"
#include "frame/CMainFrame.h"
#include "frame/ProgramStartup.h"
#include "model/DataFile.h"

namespace ht57::test {

using Bytes = std::vector<Byte>;

inline Bytes ReadFileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteFileBytes(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFileText(const std::filesystem::path& file) {
    const Bytes bytes = ReadFileBytes(file);
    return {bytes.begin(), bytes.end()};
}

inline void WriteFileText(const std::filesystem::path& file, const std::string& text) {
    WriteFileBytes(file, Bytes(text.begin(), text.end()));
}

// The default.dat the build generated, with recognisable bytes 16 to 4095 in
// its header half so a test can see them travel into saved files.
inline Bytes FactoryDataFile() {
    Bytes bytes = ReadFileBytes(std::filesystem::path(HT57_BIN_DIR) / "default.dat");
    bytes.resize(kDataFileSize, 0xFF);
    for (std::size_t i = 16; i < kImageSize; ++i) {
        bytes[i] = static_cast<Byte>(i * 7 + 3);
    }
    return bytes;
}

inline Image ImageOf(const Bytes& dataFile) {
    Image image;
    std::copy_n(dataFile.begin() + kImageSize, kImageSize, image.begin());
    return image;
}

// A program folder of the test's own: Program.ini, default.dat and whatever
// else the test puts there.
class ProgramFolder {
public:
    ProgramFolder() { dir_.setAutoRemove(true); }

    std::filesystem::path Path() const { return dir_.path().toStdString(); }
    std::filesystem::path operator/(const std::string& name) const { return Path() / name; }

    void WriteIni(const std::string& text) const { WriteFileText(Path() / "Program.ini", text); }
    std::string Ini() const { return ReadFileText(Path() / "Program.ini"); }
    void WriteDefaultDat(const Bytes& bytes) const {
        WriteFileBytes(Path() / "default.dat", bytes);
    }

private:
    QTemporaryDir dir_;
};

// Answers the modal dialogs the code under test opens, one handler per
// dialog in the order they appear. A dialog nobody expected is rejected and
// counted, so a test never hangs on it. Keep one alive at a time.
class ModalAnswerer {
public:
    using Handler = std::function<void(QWidget* dialog)>;

    ModalAnswerer() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }

    ModalAnswerer& Then(Handler handler) {
        handlers_.push_back(std::move(handler));
        return *this;
    }

    int Answered() const { return answered_; }
    int Unexpected() const { return unexpected_; }
    bool AllAnswered() const { return handlers_.empty(); }

private:
    void Poll() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || dialog->property("ht57Answered").toBool()) {
            return;
        }
        dialog->setProperty("ht57Answered", true);
        if (auto* modal = qobject_cast<QDialog*>(dialog)) {
            // A dialog shown again (a file dialog after "No") is a new question.
            QObject::connect(modal, &QDialog::finished, modal,
                             [modal] { modal->setProperty("ht57Answered", false); });
        }
        if (handlers_.empty()) {
            ++unexpected_;
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        Handler handler = std::move(handlers_.front());
        handlers_.pop_front();
        ++answered_;
        handler(dialog);
    }

    QTimer timer_;
    std::deque<Handler> handlers_;
    int answered_ = 0;
    int unexpected_ = 0;
};

// What a message box said before it was answered.
struct SeenMessage {
    QString title;
    QString text;
    QString detail;  // the line below the text
};

// Presses `button` on a message box and records what it said.
inline ModalAnswerer::Handler Press(QMessageBox::StandardButton button,
                                    SeenMessage* seen = nullptr) {
    return [button, seen](QWidget* dialog) {
        auto* box = qobject_cast<QMessageBox*>(dialog);
        if (box == nullptr) {
            if (seen != nullptr) {
                seen->title = QStringLiteral("<not a message box: %1>")
                                  .arg(QString::fromLatin1(dialog->metaObject()->className()));
            }
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        if (seen != nullptr) {
            *seen = {box->windowTitle(), box->text(), box->informativeText()};
        }
        QAbstractButton* pressed = box->button(button);
        if (pressed != nullptr) {
            QMetaObject::invokeMethod(pressed, "click", Qt::QueuedConnection);
        } else {
            QMetaObject::invokeMethod(box, "reject", Qt::QueuedConnection);
        }
    };
}

// Records the name a file dialog proposes and the folder it starts in.
inline void InspectFileDialog(QFileDialog* files, QString* proposed, QString* folder) {
    if (proposed != nullptr) {
        const QStringList selected = files->selectedFiles();
        *proposed = selected.isEmpty() ? QString() : QFileInfo(selected.first()).fileName();
    }
    if (folder != nullptr) {
        *folder = files->directory().absolutePath();
    }
}

// Types `file` into a file dialog and accepts it, after recording what the
// dialog offered. Without a file the dialog is cancelled.
inline ModalAnswerer::Handler ChooseFile(const std::filesystem::path& file,
                                         QString* proposed = nullptr, QString* folder = nullptr) {
    return [file, proposed, folder](QWidget* dialog) {
        auto* files = qobject_cast<QFileDialog*>(dialog);
        if (files == nullptr || file.empty()) {
            if (files != nullptr) {
                InspectFileDialog(files, proposed, folder);
            }
            QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection);
            return;
        }
        InspectFileDialog(files, proposed, folder);
        const QString name = QString::fromStdString(file.string());
        files->selectFile(name);
        // selectFile leaves the name box alone while it has the focus, so the
        // name is typed there as a user would.
        if (auto* edit = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
            edit->setText(name);
        }
        QMetaObject::invokeMethod(files, "accept", Qt::QueuedConnection);
    };
}

inline ModalAnswerer::Handler Cancel() {
    return
        [](QWidget* dialog) { QMetaObject::invokeMethod(dialog, "reject", Qt::QueuedConnection); };
}

// Starts the program on the folder as main() does, without the event loop.
inline std::unique_ptr<CMainFrame> Start(Application& app) {
    return StartProgram(app);
}

}  // namespace ht57::test
