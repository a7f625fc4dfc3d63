# the Album Printer window: listed by its developer
