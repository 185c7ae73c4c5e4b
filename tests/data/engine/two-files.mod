<id>
Quick Reply Box
</id>

<version>
1.2
</version>

<mod info>
Adds a reply box under each thread.
Written for the demo forum.
</mod info>

<author>
Demo Author
</author>

<homepage>
http://example.org/mods
</homepage>

<edit file>
Sources/Display.pl
</edit file>

<search for>
    &template_footer;
</search for>

<add before>
    &quick_reply_box;
</add before>

<edit file>
yabb.cgi
</edit file>

<search for>
require "$sourcedir/Display.pl";
</search for>

<add after>
require "$sourcedir/QuickReply.pl";
</add after>

<search for>
$quickreply = 0;
</search for>

<replace>
$quickreply = 1;
</replace>