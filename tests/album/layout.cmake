# tests of page layout and drawing
quenbrook_add_test(tst_pagelayout LABEL album SOURCES tst_pagelayout.cpp AlbumFixtures.h)
quenbrook_add_test(tst_albumpage LABEL album SOURCES tst_albumpage.cpp AlbumFixtures.h)
quenbrook_add_test(tst_albumpdf LABEL album SOURCES tst_albumpdf.cpp AlbumFixtures.h)
