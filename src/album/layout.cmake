# page layout and drawing
target_sources(quenbrook_core PRIVATE
  PageLayout.cpp PageLayout.h
  AlbumPage.cpp AlbumPage.h
  RecordingSurface.cpp RecordingSurface.h)
