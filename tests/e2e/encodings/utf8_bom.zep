// The same with a byte-order mark and CR LF line ends, and half-width
﻿// katakana in a menu title.
﻿//! window RUN "ﾃｽﾄ ＢＯＭ"
﻿//! close
﻿//! gone
﻿//! exit 0
﻿CREATE { SetCaption("ﾃｽﾄ ＢＯＭ") ; SetWinSize(200, 100) ; Menu("ﾌｧｲﾙ") ; PopupMenu("終わり") ; }
