#include "formula/cloud.h"

#include "formula/surface.h"
#include "text/messages.h"

namespace cifrala {

void toonwolk_staartdeel(Surface& cloud, const QString& first, const QString& second) {
    cloud.toonwolk({CloudText{first, 50, 85},
                    CloudText{QStringLiteral("(") + second + QStringLiteral(")"), 50, 135},
                    CloudText{msg(1916), 200, 170, 18}});
}

void toonwolk_diffketting(Surface& cloud, const QString& a, const QString& b, const QString& c) {
    cloud.toonwolk({CloudText{c, 50, 80}, CloudText{b, 50, 120}, CloudText{a, 140, 160}});
}

}  // namespace cifrala
