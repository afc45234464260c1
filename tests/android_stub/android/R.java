package android;

public final class R {
    public static final class id {
        public static final int button1 = 0x01020019;
        public static final int list = 0x0102000a;
        public static final int tabcontent = 0x01020011;
        public static final int tabhost = 0x01020012;
        public static final int tabs = 0x01020013;
    }

    public static final class layout {
        public static final int simple_list_item_1 = 0x01090003;
        public static final int simple_spinner_dropdown_item = 0x01090009;
        public static final int simple_spinner_item = 0x01090008;
    }
}
