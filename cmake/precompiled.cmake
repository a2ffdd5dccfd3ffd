# Precompiled headers: every source of the program includes much the same
# Qt and standard headers, and reading them is most of what compiling a
# source costs. Each target precompiles the set it can use once and every one
# of its sources starts from that (about half the build time).
option(CIFRALA_PCH "Precompile the common Qt and standard headers" ON)

set(CIFRALA_PCH_STANDARD <algorithm> <array> <cmath> <cstdint> <functional> <map> <memory>
  <optional> <set> <string> <utility> <vector>)
set(CIFRALA_PCH_CORE <QChar> <QHash> <QList> <QMap> <QObject> <QString> <QStringList>
  <QTimer> <QVariant>)
set(CIFRALA_PCH_WIDGETS <QApplication> <QCheckBox> <QColor> <QComboBox> <QDialog> <QFont>
  <QFontMetrics> <QFrame> <QGroupBox> <QImage> <QLabel> <QLineEdit> <QPainter> <QPen>
  <QPixmap> <QPointer> <QPushButton> <QRadioButton> <QRect> <QSpinBox> <QToolButton>
  <QWidget>)

# cifrala_precompile(target CORE|WIDGETS|TEST): the headers a target that
# links Qt Core only, the widgets, or the widgets and QtTest starts from.
function(cifrala_precompile target kind)
  if(NOT CIFRALA_PCH)
    return()
  endif()
  set(headers ${CIFRALA_PCH_STANDARD} ${CIFRALA_PCH_CORE})
  if(kind STREQUAL "WIDGETS" OR kind STREQUAL "TEST")
    list(APPEND headers ${CIFRALA_PCH_WIDGETS})
  endif()
  if(kind STREQUAL "TEST")
    list(APPEND headers <QTest> <gtest/gtest.h>)
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
