<id>
Misfit
</id>

<version>
0.1
</version>

<edit file>
Sources/Post.pl
</edit file>

<search for>
my ($board, $subject) = @_;
</search for>
<replace>
my ($board) = @_;
</replace>

<search for>
	&CheckBoard($boards);
</search for>
<add after>
	&Log;
</add after>

<search for>
1;
</search for>
<replace>
1; # checked
</replace>