// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#include "HelpViewer.h"

#include "core/help/HelpDocument.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>

HelpViewer::HelpViewer(const QString& html, QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Numerion Help"));
    fitToScreen();

    m_contents = new QListWidget(this);
    m_contents->setObjectName(QStringLiteral("HelpContents"));
    m_contents->setMaximumWidth(220);
    m_text = new QTextBrowser(this);
    m_text->setObjectName(QStringLiteral("HelpText"));
    m_text->setOpenExternalLinks(false);
    m_text->setHtml(html);

    for (const HelpDocument::Section& section : HelpDocument::Sections(html)) {
        auto* item = new QListWidgetItem(section.title, m_contents);
        item->setData(Qt::UserRole, section.anchor);
    }
    connect(m_contents, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_text->scrollToAnchor(item->data(Qt::UserRole).toString());
    });
    connect(m_contents, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_text->scrollToAnchor(item->data(Qt::UserRole).toString());
    });

    m_find = new QLineEdit(this);
    m_find->setObjectName(QStringLiteral("HelpFind"));
    m_find->setPlaceholderText(QStringLiteral("Find in help (Enter: next, Esc: close)"));
    m_find->hide();
    connect(m_find, &QLineEdit::returnPressed, this, &HelpViewer::findNext);

    auto* columns = new QHBoxLayout;
    columns->addWidget(m_contents);
    columns->addWidget(m_text, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(m_find);

    auto* find = new QShortcut(QKeySequence::Find, this);
    connect(find, &QShortcut::activated, this, &HelpViewer::openFind);
    auto* next = new QShortcut(QKeySequence::FindNext, this);
    connect(next, &QShortcut::activated, this, &HelpViewer::findNext);
}

void HelpViewer::fitToScreen()
{
    // A comfortable size for reading, but never more than most of the screen, whatever its size
    // and scale factor; placed on it whole.
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    QSize size(820, 600);
    if (!screen) {
        resize(size);
        return;
    }
    const QRect available = screen->availableGeometry();
    // Room for the window frame, which is not part of the size.
    const QSize most = available.size() * 0.9;
    size = size.boundedTo(most);
    resize(size);
    move(available.center() - QPoint(size.width() / 2, size.height() / 2));
}

void HelpViewer::showSection(const QString& anchor)
{
    m_text->scrollToAnchor(anchor);
    for (int row = 0; row < m_contents->count(); ++row)
        if (m_contents->item(row)->data(Qt::UserRole).toString() == anchor)
            m_contents->setCurrentRow(row);
    m_text->setFocus();
}

void HelpViewer::openFind()
{
    m_find->show();
    m_find->setFocus();
    m_find->selectAll();
}

bool HelpViewer::findNext()
{
    const QString text = m_find->text();
    if (text.isEmpty())
        return false;
    if (m_text->find(text))
        return true;
    QTextCursor start = m_text->textCursor();
    start.movePosition(QTextCursor::Start);
    m_text->setTextCursor(start);
    return m_text->find(text);
}

void HelpViewer::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape) {
        if (m_find->isVisible()) {
            m_find->hide();
            m_text->setFocus();
        } else {
            close();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}
