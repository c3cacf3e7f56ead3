#pragma once

#include <QByteArray>
#include <QString>

// One queue of the CUPS print server, asked directly for what Qt's printer classes do not tell:
// whether it takes jobs, its default orientation, and whether the server took a job.
class CupsQueue {
public:
    explicit CupsQueue(const QString& name);

    // Empty when the queue takes jobs; otherwise why it does not (stopped, or refusing jobs),
    // with the printer's own message where it gives one.
    QString problem() const;
    // The queue prints in landscape unless told otherwise (its own or the user's default).
    bool landscape() const;
    // Hands a PDF file to the queue as one job, with the queue's default options and the
    // paper `media`. False with the server's reason when the job is refused.
    bool submitPdf(const QString& pdfPath, const QString& title, const QString& media,
                   QString* error) const;

private:
    QByteArray m_name;
};
