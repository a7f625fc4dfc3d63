# page surfaces
target_sources(quenbrook_core PRIVATE
  PainterSurface.cpp PainterSurface.h
  PrinterSurface.cpp PrinterSurface.h
  PreviewSurface.cpp PreviewSurface.h)
target_link_libraries(quenbrook_core PRIVATE Cups::Cups)
