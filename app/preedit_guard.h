#pragma once

#include <QHash>
#include <QObject>

class QLineEdit;

namespace tallyrix {

// Watches the line edits of a dialog for Enter. While an input method is
// composing in an edit (a preedit is shown and not yet committed), Enter is the
// input method's: it converts or commits the reading and must not move focus
// or press anything. Otherwise Enter is taken from the edit and reported, so
// neither the edit nor the dialog's buttons act on it by themselves.
class PreeditGuard : public QObject {
    Q_OBJECT

public:
    explicit PreeditGuard(QObject* parent = nullptr);

    void watch(QLineEdit* edit);
    bool composing(const QLineEdit* edit) const;

signals:
    void enterPressed(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<const QObject*, bool> m_composing;
};

}  // namespace tallyrix
