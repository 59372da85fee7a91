#include "controls/InputWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include "QtControlStyle.h"
#include "QtText.h"
#include "controls/Input.h"

namespace htmlsim {

namespace {

QRect ToQRect(const PixelRect& rect) {
    return QRect(rect.Left, rect.Top, rect.Width, rect.Height);
}

void SetTextColor(QWidget* widget, const QColor& color) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, color);
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    widget->setPalette(palette);
}

}  // namespace

InputWidget::InputWidget(Input& input, const DocumentCodec& codec, QWidget* parent)
    : PageControlWidget(input, parent),
      mInput(input),
      mCodec(codec),
      mText1(new QLineEdit(this)),
      mCommand1(new QPushButton(this)),
      mCheck1(new QCheckBox(this)),
      mOption1(new QRadioButton(this)),
      mCombo1(new QComboBox(this)),
      mCaption(new QLabel(this)) {
    mText1->setObjectName("Text1");
    mCommand1->setObjectName("Command1");
    mCheck1->setObjectName("Check1");
    mOption1->setObjectName("Option1");
    mCombo1->setObjectName("Combo1");
    mCaption->setObjectName("Caption");
    mCaption->setAutoFillBackground(true);
    // A password shows one "*" per character, as the page will.
    mText1->setStyleSheet("QLineEdit { lineedit-password-character: 42; }");
    mText1->installEventFilter(this);

    connect(mText1, &QLineEdit::textEdited, this, [this](const QString& text) {
        mInput.TextBoxEdited(mCodec.Encode(FromQString(text)));
    });
    connect(mCheck1, &QCheckBox::clicked, this,
            [this](bool checked) { mInput.CheckBoxClicked(checked); });
    connect(mOption1, &QRadioButton::clicked, this,
            [this] { mInput.OptionButtonClicked(mOption1->isChecked()); });
    connect(mCommand1, &QPushButton::clicked, this, [this] { mInput.ChildClicked(); });
    Redraw();
}

void InputWidget::Redraw() {
    const InputLayout& layout = mInput.Layout();
    const ControlAppearance& appearance = mInput.Appearance();
    const QFont font = ToQFont(appearance.Font);
    const QColor foreColor = ToQColor(appearance.ForeColor);
    const QString text = ShownText(layout.ChildText, mCodec);

    QWidget* shown = nullptr;
    for (QWidget* child : {static_cast<QWidget*>(mText1), static_cast<QWidget*>(mCommand1),
                           static_cast<QWidget*>(mCheck1), static_cast<QWidget*>(mOption1),
                           static_cast<QWidget*>(mCombo1)}) {
        child->hide();
    }
    switch (layout.Child) {
        case InputChild::TextBox: {
            const QSignalBlocker blocker(mText1);
            mText1->setEchoMode(layout.Masked ? QLineEdit::Password : QLineEdit::Normal);
            mText1->setText(layout.Masked ? ShownText(mInput.Value(), mCodec) : text);
            shown = mText1;
            break;
        }
        case InputChild::Button:
            mCommand1->setText(text);
            shown = mCommand1;
            break;
        case InputChild::CheckBox: {
            const QSignalBlocker blocker(mCheck1);
            mCheck1->setText(text);
            mCheck1->setChecked(layout.Checked);
            shown = mCheck1;
            break;
        }
        case InputChild::OptionButton: {
            const QSignalBlocker blocker(mOption1);
            mOption1->setText(text);
            mOption1->setChecked(layout.Checked);
            shown = mOption1;
            break;
        }
        case InputChild::ComboBox: {
            const QSignalBlocker blocker(mCombo1);
            mCombo1->clear();
            mCombo1->addItem(text);
            shown = mCombo1;
            break;
        }
        case InputChild::None:
            break;
    }
    if (shown) {
        shown->setFont(font);
        SetTextColor(shown, foreColor);
        shown->setGeometry(ToQRect(layout.ChildBounds));
        shown->show();
    }
    mCaption->setVisible(layout.CaptionVisible);
    if (layout.CaptionVisible) {
        mCaption->setText(ShownText(layout.CaptionText, mCodec));
        mCaption->setFont(font);
        QPalette palette = mCaption->palette();
        palette.setColor(QPalette::Window, ToQColor(appearance.BackColor));
        palette.setColor(QPalette::WindowText, foreColor);
        mCaption->setPalette(palette);
        mCaption->setGeometry(ToQRect(layout.CaptionBounds));
    }
    update();
}

void InputWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(mInput.Appearance().BackColor));
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}

bool InputWidget::eventFilter(QObject* watched, QEvent* event) {
    if (watched == mText1 && event->type() == QEvent::MouseButtonRelease) {
        mInput.ChildClicked();
    }
    return PageControlWidget::eventFilter(watched, event);
}

}  // namespace htmlsim
