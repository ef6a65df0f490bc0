# cmake -DFILE=script.zep -DSIZE=n -P pad_script.cmake
# Appends a comment "//xxx..." so that the file is exactly SIZE bytes.
file(SIZE ${FILE} used)
math(EXPR pad "${SIZE} - ${used} - 2")
string(REPEAT "x" ${pad} filler)
file(APPEND ${FILE} "//${filler}")
