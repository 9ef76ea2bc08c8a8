#pragma once
// The tool-bar pictures, drawn in code so that they are sharp at any size.
#include <QIcon>

namespace velmar {

enum class TToolIcon { Create, Open, Save, Preview, Print, Export, Check };

QIcon ToolIcon(TToolIcon kind);

} // namespace velmar
