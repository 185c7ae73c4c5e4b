<id>
Polls
</id>

<version>
1.1
</version>

<mod info>
Adds a poll to every new thread.
Needs nothing else.
</mod info>

<author>
André "Poll" Smith
</author>

<homepage>
http://polls.example.invalid/
</homepage>

<edit file>
yabb.cgi
</edit file>

<search for>
require "Sources/Post.pl";
</search for>
<add after>
require "Sources/Poll.pl";
</add after>

<edit file>
Sources/Post.pl
</edit file>

<search for>
	&SavePost($board, $subject);
</search for>
<add before>
	&SavePoll($board) if $INFO{'poll'};
</add before>

<search for>
	return 1;
}
</search for>
<replace>
	return 2;
}
</replace>

<edit file>
Sources/Subs.pl
</edit file>

<search for>
1;
</search for>
<add before>
sub LoadPoll {
	return {};
}
</add before>