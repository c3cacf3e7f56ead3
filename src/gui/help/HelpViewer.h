// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 Numerion developers
#pragma once

#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;

// The help window: the help document with its contents beside it, searchable with Ctrl+F.
class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // `html` is the help document.
    explicit HelpViewer(const QString& html, QWidget* parent = nullptr);

    // Scrolls to a section of the document.
    void showSection(const QString& anchor);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Sizes the window from the screen's available area, so that it fits at any scale.
    void fitToScreen();
    void openFind();
    // Finds the text of the search box after the cursor, wrapping round once; false when it is
    // nowhere in the document.
    bool findNext();

    QListWidget* m_contents = nullptr;
    QTextBrowser* m_text = nullptr;
    QLineEdit* m_find = nullptr;
};
