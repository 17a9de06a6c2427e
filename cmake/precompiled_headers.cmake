# Headers that nearly every source of a target includes, parsed once per
# target instead of once per file: most of a Qt source's compile time is
# spent reading Qt's headers. TYCORA_PRECOMPILE=OFF builds without them.

set(TYCORA_PCH_STANDARD <algorithm> <array> <functional> <map> <memory> <optional> <string> <string_view> <vector>)
set(TYCORA_PCH_CORE ${TYCORA_PCH_STANDARD} <QByteArray> <QJsonArray> <QJsonObject> <QList> <QObject> <QString>)
set(TYCORA_PCH_WIDGETS ${TYCORA_PCH_CORE} <QColor> <QFont> <QImage> <QPainter> <QPixmap> <QWidget>)

# tycora_precompile(TIER target...): TIER is STANDARD (no Qt), CORE or
# WIDGETS, after what the targets link. Test programs also get GoogleTest.
function(tycora_precompile tier)
  if(NOT TYCORA_PRECOMPILE)
    return()
  endif()
  foreach(target IN LISTS ARGN)
    if(NOT TARGET ${target})
      continue()
    endif()
    set(headers ${TYCORA_PCH_${tier}})
    if(target MATCHES "_tests$")
      list(APPEND headers <gtest/gtest.h>)
    endif()
    target_precompile_headers(${target} PRIVATE ${headers})
  endforeach()
endfunction()
