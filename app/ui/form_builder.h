#pragma once

#include <QWidget>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>

#include "app/ui/form_declaration.h"

namespace kestrum {

// Builds the window `form` from its declaration: caption, size, border,
// colour, font and place, then every control, menu and action as a child of
// `form` named as declared, and the tab order. A declaration that names
// something unknown throws std::logic_error.
void BuildForm(QWidget& form, const FormDecl& decl);

// Centres the window on its owner (OwnerCenter, when it has one) or on the
// primary screen, rounding toward zero.
void Place(QWidget& form, FormPosition position);

// Sets the declared properties of `object`, in order.
void ApplyProperties(QObject& object, const std::vector<PropertyValue>& properties);

// Makes `signal` of the child `sender` of `form` run `handler` through the
// program's top-level error handler (RunGuarded).
void ConnectEvent(QWidget& form, const char* sender, const char* signal,
                  std::function<void()> handler);

template <class Form>
void BindEvents(Form& form, std::span<const EventDecl<Form>> events) {
    for (const EventDecl<Form>& event : events) {
        void (Form::*handler)() = event.handler;
        ConnectEvent(form, event.sender, event.signal, [&form, handler] { (form.*handler)(); });
    }
}

// The declared child of `form` called `name`.
template <class T>
T* Find(QWidget& form, const char* name) {
    T* found = form.findChild<T*>(QString::fromLatin1(name));
    if (found == nullptr) {
        throw std::logic_error(std::string("no child called ") + name + " in " +
                               form.objectName().toStdString());
    }
    return found;
}

}  // namespace kestrum
