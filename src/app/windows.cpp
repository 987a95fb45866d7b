#include "app/windows.h"

#include "app/form.h"

#include <QHash>

namespace rechnado::windows {

namespace {
QHash<QString, Form *> &registry()
{
    static QHash<QString, Form *> forms;
    return forms;
}
} // namespace

void add(Form &form)
{
    registry().insert(form.name(), &form);
}

void remove(Form &form)
{
    auto it = registry().find(form.name());
    if (it != registry().end() && it.value() == &form)
        registry().erase(it);
}

Form *find(const QString &name)
{
    return registry().value(name);
}

Form &get(const QString &name)
{
    Form *form = find(name);
    Q_ASSERT_X(form, "windows::get", qPrintable(name));
    return *form;
}

bool anyLoaded()
{
    const QHash<QString, Form *> &forms = registry();
    return std::any_of(forms.cbegin(), forms.cend(), [](const Form *form) { return form->isLoaded(); });
}

} // namespace rechnado::windows
