// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "Controls.h"

#include "core/common/TextFormat.h"
#include "gui/common/Colours.h"
#include "gui/common/EntryBoxStyle.h"
#include "gui/common/Twips.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QValidator>

namespace {

class FileTextValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override
    {
        const QString kept = FileSafeText(input);
        if (kept.size() != input.size()) {
            // The cursor stays behind what was kept of the text before it.
            position = int(FileSafeText(input.left(position)).size());
            input = kept;
        }
        return Acceptable;
    }
};

// Qt paints a button the moment it is pressed and again the moment it is released, before the
// click is handled, each in a paint pass of its own that is put on the screen at once; on an X
// display each pass waits for the server to finish the one before. This button's look changes
// with the window's next paint pass instead: right after the press, and with the paint of what
// the click changed.
class PushButton : public QPushButton {
public:
    PushButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
    {
        // Emitted before `clicked`: the click's own changes, a message box included, are
        // painted with the button's released look.
        connect(this, &QAbstractButton::released, this, [this] { setUpdatesEnabled(true); });
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        setUpdatesEnabled(false);
        QPushButton::mousePressEvent(event);
        setUpdatesEnabled(true);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        const QPointer<QPushButton> alive(this);
        setUpdatesEnabled(false);
        QPushButton::mouseReleaseEvent(event);
        if (alive)
            setUpdatesEnabled(true);
    }
};

// A box as wide as `digits` digits and its own frame and margins, which its size hint counts
// around seventeen x.
void fitDigits(QLineEdit* box, int digits)
{
    const QFontMetrics metrics = box->fontMetrics();
    const int chrome = box->sizeHint().width() - 17 * metrics.horizontalAdvance(u'x');
    // One character more: the cursor stands after the last digit.
    box->setFixedWidth(chrome + metrics.horizontalAdvance(QString(digits + 1, u'0')));
}

bool hasAccessKey(const char* text)
{
    return QByteArrayView(text).contains('&');
}

// Makes the control of `cell` and puts it at the end of `line`. A label with an access key
// waits in `leading` for the control it leads to.
void addCell(QWidget* parent, QHBoxLayout* line, const Controls::Cell& cell, QLabel*& leading)
{
    using Kind = Controls::Cell::Kind;
    QWidget* control = nullptr;
    switch (cell.kind) {
    case Kind::Line: // begins a line of a form, which lays it out itself
        return;
    case Kind::Stretch:
        line->addStretch(1);
        return;
    case Kind::Label: {
        QLabel* label = Controls::label(parent, cell.name);
        label->setText(QString::fromUtf8(cell.text));
        line->addWidget(label, cell.share);
        if (hasAccessKey(cell.text))
            leading = label;
        return;
    }
    case Kind::Box: {
        QLineEdit* box = Controls::inputBox(parent, cell.name, cell.maxLength);
        box->setPlaceholderText(QString::fromUtf8(cell.text));
        if (cell.width > 0)
            fitDigits(box, cell.width);
        control = box;
        break;
    }
    case Kind::Button:
        control = Controls::button(parent, cell.name, QString::fromUtf8(cell.text));
        break;
    case Kind::Widget:
        control = Controls::find<QWidget>(parent->window(), cell.name);
        break;
    }
    line->addWidget(control, cell.share);
    if (leading)
        leading->setBuddy(control);
    leading = nullptr;
}

} // namespace

void Controls::setupWindow(QWidget* window, const char* name, const QString& caption)
{
    window->setObjectName(QString::fromLatin1(name));
    window->setWindowTitle(caption);
    window->setGeometry(TwipsRect(60, 345, 9480, 6360));
    window->setFixedSize(window->size());
}

QFont Controls::windowFont(double points, bool bold)
{
    // The layouts were made for a narrow sans-serif; Arial's metrics come closest where that
    // font is missing, so the captions still fit their controls.
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPushButton* Controls::button(QWidget* parent, const char* name, const QString& caption, int left,
                              int top, int width, int height)
{
    QPushButton* button = Controls::button(parent, name, caption);
    button->setGeometry(TwipsRect(left, top, width, height));
    return button;
}

QPushButton* Controls::button(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new PushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(true);
    return button;
}

QLabel* Controls::label(QWidget* parent, const char* name, const QString& text, int left, int top,
                        int width, int height)
{
    QLabel* label = Controls::label(parent, name);
    label->setText(text);
    label->setGeometry(TwipsRect(left, top, width, height));
    return label;
}

QLabel* Controls::label(QWidget* parent, const char* name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    // Labels show names, titles and file names as typed: text that looks like markup would
    // otherwise be read as rich text (and an image tag loads whatever file it names).
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLineEdit* Controls::inputBox(QWidget* parent, const char* name, int maxLength, int left, int top,
                              int width, int height)
{
    QLineEdit* box = inputBox(parent, name, maxLength);
    box->setGeometry(TwipsRect(left, top, width, height));
    return box;
}

QLineEdit* Controls::inputBox(QWidget* parent, const char* name, int maxLength)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0)
        box->setMaxLength(maxLength);
    box->setStyle(EntryBoxStyle::shared());
    return box;
}

QGroupBox* Controls::frame(QWidget* parent, const char* name, const QString& caption, int left,
                           int top, int width, int height)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(TwipsRect(left, top, width, height));
    Colours::apply(frame, Colours::Panel);
    return frame;
}

QPushButton* Controls::create(QWidget* parent, const ButtonRow& row)
{
    const Place& at = row.place;
    return button(parent, row.name, QString::fromLatin1(row.caption), at.left, at.top, at.width,
                  at.height);
}

QLabel* Controls::create(QWidget* parent, const LabelRow& row)
{
    const Place& at = row.place;
    return label(parent, row.name, QString::fromLatin1(row.text), at.left, at.top, at.width,
                 at.height);
}

QLineEdit* Controls::create(QWidget* parent, const BoxRow& row)
{
    const Place& at = row.place;
    return inputBox(parent, row.name, row.maxLength, at.left, at.top, at.width, at.height);
}

QHBoxLayout* Controls::row(QWidget* parent, std::span<const Cell> cells)
{
    auto* line = new QHBoxLayout;
    QLabel* leading = nullptr;
    for (const Cell& cell : cells)
        addCell(parent, line, cell, leading);
    return line;
}

QGroupBox* Controls::form(QWidget* parent, const char* name, const QString& caption,
                          std::span<const Cell> cells)
{
    auto* frame = new QGroupBox(caption, parent);
    frame->setObjectName(QString::fromLatin1(name));
    auto* grid = new QGridLayout(frame);
    grid->setColumnStretch(1, 1);
    QHBoxLayout* line = nullptr;
    int at = -1;
    QLabel* leading = nullptr;
    for (const Cell& cell : cells) {
        if (cell.kind == Cell::Kind::Line || !line) {
            line = new QHBoxLayout;
            grid->addLayout(line, ++at, 1);
        }
        if (cell.kind != Cell::Kind::Line) {
            addCell(frame, line, cell, leading);
        } else if (*cell.text) {
            QLabel* caption = label(frame, "");
            caption->setText(QString::fromUtf8(cell.text));
            grid->addWidget(caption, at, 0);
            if (hasAccessKey(cell.text))
                leading = caption;
        }
    }
    return frame;
}

QRect Controls::placeOn(const QRect& screen, const QSize& size)
{
    return QRect(screen.topLeft() + QPoint(4, 23), size).intersected(screen.adjusted(0, 0, 0, -8));
}

QLabel* Controls::buttonStrip(QWidget* window, const char* name)
{
    QLabel* strip = label(window, name, QString(), 0, 5940, 9480, 420);
    Colours::apply(strip, Colours::Panel);
    return strip;
}

void Controls::tabOrder(const QList<QWidget*>& controls)
{
    for (qsizetype i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}

void Controls::keyboardOnly(QLineEdit* box)
{
    box->setContextMenuPolicy(Qt::NoContextMenu);
    box->setAcceptDrops(false);
}

void Controls::acceptOnly(QLineEdit* box, const QString& pattern)
{
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), box));
}

void Controls::fileTextBox(QLineEdit* box)
{
    box->setValidator(new FileTextValidator(box));
}
