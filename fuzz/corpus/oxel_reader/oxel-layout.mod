<id>
Quick Reply Box
</id>

<version>
1.2
</version>

<mod info>

Adds a reply box under each topic.

Second paragraph.
</mod info>

<author>
Mara
</author>

<homepage>
http://example.org/mods
</homepage>

<edit file>
Sources/Display.pl
</edit file>

<search for>
    $yymain .= qq~</table>~;
</search for>

<add after>
    $yymain .= &QuickReply;
</add after>

<edit file>
yabb.cgi
</edit file>

<search for>
require "$sourcedir/Subs.pl";

</search for>

<replace>
require "$sourcedir/Subs.pl";
require "$sourcedir/Quick.pl";
</replace>