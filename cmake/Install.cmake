# The programs an installation holds, all in one folder (the viewer starts the transfer
# programs from its own folder). Development tools such as vordalis-shot stay out.
set(VORDALIS_INSTALLED_PROGRAMS vordalis ondralink tamlo vordalis-cli vordalis-transfer instrument-sim)
install(TARGETS ${VORDALIS_INSTALLED_PROGRAMS} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
