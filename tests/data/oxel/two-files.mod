<id>
Quick Reply Box
</id>

<version>
1.2
</version>

<mod info>
Adds a reply box under each thread.

No database changes.
</mod info>

<author>
Wren Halloway
</author>

<homepage>
http://example.org/wren
</homepage>

<edit file>
Sources/Display.pl
</edit file>

<search for>
		$yyjavascript .= qq~
		var quick = 0;
</search for>

<add after>
		&QuickReplyBox;
</add after>

<edit file>
English.lng
</edit file>

<search for>
$txt{'reply'} = "Reply";
</search for>

<replace>
$txt{'reply'} = "Reply";
$txt{'quick'} = "Quick Reply";
</replace>

<search for>
1;
</search for>

<add before>
$txt{'qr_hint'} = "Type here";
</add before>