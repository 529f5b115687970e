#include "selection/ui/SingleChoiceList.h"

#include <QAbstractItemView>
#include <QItemSelectionModel>
#include <QKeyEvent>

namespace talvo {
namespace {

class SingleChoiceSelectionModel : public QItemSelectionModel
{
public:
    using QItemSelectionModel::QItemSelectionModel;
    using QItemSelectionModel::select;

    // Every change of the selection, the view's and clearSelection() alike, comes through here. selection() leaves
    // out rows the model no longer has, so emptying the list still clears it.
    void select(const QItemSelection& selection, SelectionFlags command) override
    {
        const QItemSelection before = this->selection();
        QItemSelection after = command.testFlag(Clear) ? QItemSelection() : before;
        after.merge(selection, command);
        if (!before.isEmpty() && after.indexes().isEmpty())
            return;
        QItemSelectionModel::select(selection, command);
    }

    // Ctrl+Space on the chosen row would only unchoose it; where the key comes with a blank as its text, Qt's list
    // then also looks for a row that begins with a blank, as two scenarios do, and chooses that one.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && key->modifiers().testFlag(Qt::ControlModifier) &&
                isSelected(currentIndex()))
                return true;
        }
        return QItemSelectionModel::eventFilter(watched, event);
    }
};

} // namespace

void KeepSingleChoice(QAbstractItemView& list)
{
    QItemSelectionModel* given = list.selectionModel();
    auto* kept = new SingleChoiceSelectionModel(list.model(), &list);
    list.setSelectionModel(kept);
    list.installEventFilter(kept);
    delete given;
}

} // namespace talvo
