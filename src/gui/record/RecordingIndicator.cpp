#include "RecordingIndicator.h"

#include <QApplication>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QPointer>
#include <cstdlib>
#include <optional>
#include <thread>

#include "HiddenWindows.h"
#include "WindowPicker.h"
#include "linkcheck/CollectingDialogs.h"
#include "record/Recording.h"
#include "record/SessionKind.h"
#include "services/Dialogs.h"

namespace htmlsim::gui {

namespace {

// Tells the indicator, on the window's thread, how far the recording is.
class IndicatorListener : public record::RecorderListener {
  public:
    explicit IndicatorListener(RecordingIndicator& indicator) : mIndicator(&indicator) {}
    void Started() override { ShowPageCount(0); }
    void PressRecorded(int number, const RecordedPress&) override { ShowPageCount(number); }

  private:
    void ShowPageCount(int pages) {
        QMetaObject::invokeMethod(
            mIndicator, [indicator = mIndicator, pages] { indicator->SetPageCount(pages); },
            Qt::QueuedConnection);
    }

    QPointer<RecordingIndicator> mIndicator;
};

}  // namespace

RecordingIndicator::RecordingIndicator() {
    setWindowTitle("Recording");
    setObjectName("frmRecordingIndicator");
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    mStop.setObjectName("cmdStop");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(&mCount);
    layout->addWidget(&mStop);
    mCount.setObjectName("lblPageCount");
    mCount.setText("Starting...");
}

void RecordingIndicator::SetPageCount(int pages) {
    mCount.setText(QString("Recording: %1 %2").arg(pages).arg(pages == 1 ? "page" : "pages"));
}

std::string RecordWithIndicator(Dialogs& dialogs, const std::string& folder,
                                const std::string& prefix, record::RecorderOptions options,
                                bool pickWindow) {
    if (const auto refusal = RecordingRefusal(std::getenv("XDG_SESSION_TYPE"),
                                              std::getenv("WAYLAND_DISPLAY"), false)) {
        dialogs.Message(*refusal, "", MessageIcon::Exclamation);
        return "";
    }
    // The writers' messages come from the recording's thread: they are shown after it.
    CollectingDialogs pageMessages;
    std::optional<std::string> failure;
    std::string first;
    try {
        HiddenWindows hidden;
        SyncWithServer();
        if (pickWindow) {
            options.window = record::PickWindowByClick();
        }
        Recording recording(folder, prefix, pageMessages);
        record::X11Recorder recorder(options);
        RecordingIndicator indicator;
        indicator.show();
        recorder.IgnorePressesOn(indicator.winId());
        QEventLoop loop;
        QObject::connect(&indicator.StopButton(), &QPushButton::clicked, &indicator,
                         [&recorder] { recorder.Stop(); });
        IndicatorListener listener(indicator);
        std::thread worker([&] {
            try {
                recorder.Run(recording, listener);
                first = recording.PagePath(1);
            } catch (const std::exception& error) {
                failure = error.what();
            }
            QMetaObject::invokeMethod(&loop, &QEventLoop::quit, Qt::QueuedConnection);
        });
        loop.exec();
        worker.join();
    } catch (const std::exception& error) {
        failure = error.what();
    }
    for (const std::string& message : pageMessages.messages) {
        dialogs.Message(message, "", MessageIcon::Exclamation);
    }
    if (failure) {
        dialogs.Message(*failure, "", MessageIcon::Critical);
        return "";
    }
    return first;
}

}  // namespace htmlsim::gui
