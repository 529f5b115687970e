#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace talvo {

// Told, by the window's object name, each time a handle creates a window or it goes (unloaded or destroyed): the
// main window follows which wizards are open through it.
inline std::function<void(const QString& FormName, bool Loaded)> FormLoadedChanged;

// The global reference through which a window is reached. The first use creates the window (not shown);
// asking whether it is visible or loaded never creates it; Unload destroys the window and its widgets, and the
// next use creates a fresh one. Whatever must outlive an unload lives in a core object, not in the window.
template <typename Form> class FormHandle
{
public:
    // Called with each new instance right after it is created, before anything uses it; the main window sets
    // this for its MDI children so they open inside it.
    std::function<void(Form&)> onCreate;

    Form& get()
    {
        if (!form_) {
            form_ = new Form();
            const QString name = form_->objectName();
            // A window closed by its own title bar may be destroyed without an unload.
            formObject_ = form_.data();
            QObject::connect(form_.data(), &QObject::destroyed, [this, name](QObject* gone) {
                // A widget says it is destroyed before the guard forgets it; compared as an object, since it is
                // no longer a Form by then.
                if (formObject_.data() == gone)
                    form_.clear();
                notify(name);
            });
            if (onCreate)
                onCreate(*form_);
            notify(name);
        }
        return *form_;
    }
    Form* operator->() { return &get(); }
    Form& operator*() { return get(); }

    // The live instance, or nullptr; never creates one.
    Form* existing() const { return form_.data(); }
    bool Loaded() const { return !form_.isNull(); }
    // Whether the window is shown; never creates it. For an MDI child the shown widget may be its frame.
    bool Visible() const { return form_ && frame(*form_)->isVisible(); }

    void Show()
    {
        Form& form = get();
        frame(form)->show();
        form.show();
    }

    void Unload()
    {
        if (!form_)
            return;
        QWidget* outer = frame(*form_);
        Form* inner = form_.data();
        form_.clear();
        inner->hide();
        if (outer != inner)
            outer->hide();
        // Never delete synchronously: the unload may come from one of the window's own events.
        outer->deleteLater();
        notify(inner->objectName());
    }

private:
    void notify(const QString& name) const
    {
        if (FormLoadedChanged)
            FormLoadedChanged(name, Loaded());
    }

    // The widget that holds the form on screen: an MDI frame when it has one, else the form itself.
    static QWidget* frame(Form& form)
    {
        QWidget* parent = form.parentWidget();
        return parent && parent->inherits("QMdiSubWindow") ? parent : static_cast<QWidget*>(&form);
    }

    QPointer<Form> form_;
    QPointer<QObject> formObject_; // the same window, for comparisons while it is being destroyed
};

} // namespace talvo
