# installed printers
target_sources(quenbrook_core PRIVATE
  Printers.cpp Printers.h)
