# print settings loading
target_sources(quenbrook_core PRIVATE
  PrintSettingsKeys.h
  PrintSettingsLoader.cpp PrintSettingsLoader.h)
