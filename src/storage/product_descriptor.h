#pragma once

#include <QString>

namespace mousecfg {

class Paths;

// "PROFILE/ProductName" of the product descriptor; empty when the file or the key is missing.
QString loadProductName(const Paths& paths);

}  // namespace mousecfg
