<id> blank after
<version>1</version>
﻿<author>
me
</author>
<replace>
<id>
</replace>
<edit file>