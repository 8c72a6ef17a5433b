#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace kolvar {

// The city picker of the place dialog: a search field over the city table
// and the list of matching towns, which follows every keystroke (case- and
// accent-blind, FindCities). Enter or a double click takes the marked town,
// the first one unless the user moved (the arrows move the mark from the
// search field too); Escape and the cancel button take
// none. Created once by the place dialog and reused.
class TCityDlg : public QDialog {
    Q_OBJECT
public:
    explicit TCityDlg(QWidget* parent = nullptr);

    // Shows every caption in the current script.
    void ShowScript();

    // Index into Cities() of the marked town, -1 when none.
    int ChosenCity() const;

    // The list for a new search text (the search field's change).
    void SearchChange();

    QLabel* Heading = nullptr;
    QLabel* SearchLabel = nullptr;
    QLineEdit* Search = nullptr;
    QListWidget* Results = nullptr;
    QPushButton* OkButton = nullptr;
    QPushButton* EscButton = nullptr;

    // At most this many towns are listed.
    static constexpr int MaxListed = 300;

protected:
    void showEvent(QShowEvent* event) override;
    // Up, Down, Page Up and Page Down in the search field move in the list.
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace kolvar
