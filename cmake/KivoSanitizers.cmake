# Sanitizers apply to every target so that the simulated bus and the code under test agree.
# Any report ends the program with an error, so a test that triggers one fails.
if(KIVO_SANITIZERS)
  list(JOIN KIVO_SANITIZERS "," kivo_sanitize)
  add_compile_options(-fsanitize=${kivo_sanitize} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${kivo_sanitize})
endif()
