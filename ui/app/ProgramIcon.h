#pragma once
#include <QIcon>

namespace vardeck::ui {

// The program's icon for a brand: the brand's own drawing where it has one
// (":/brand<code>/icon.svg"), the common one otherwise.
QIcon programIcon(int brand);

}  // namespace vardeck::ui
