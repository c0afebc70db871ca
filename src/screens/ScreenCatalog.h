#pragma once

#include <array>
#include <functional>

#include "ui/ScreenHost.h"

class QWidget;

namespace zizaza {

class TThinkingFrame;

using ScreenFactory = std::function<TThinkingFrame*(ScreenHost& host, QWidget* parent, DeclarationSlot& slot)>;

// Which screens the program has, by button. A button without a screen stays disabled.
class ScreenCatalog {
public:
    void Register(ScreenId id, ScreenFactory factory) { m_factories[static_cast<size_t>(id)] = std::move(factory); }
    const ScreenFactory& Find(ScreenId id) const { return m_factories[static_cast<size_t>(id)]; }
    bool Has(ScreenId id) const { return static_cast<bool>(Find(id)); }

    // The screens built into the program.
    static ScreenCatalog Standard();

private:
    std::array<ScreenFactory, kScreenCount> m_factories;
};

}  // namespace zizaza
